#pragma once

#include "ui/picturebox.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <type_traits>
#include <utility>

namespace velmora {

// What a layout table row builds. Each kind is made as the Qt class that kindOf() pairs
// with it, or a subclass of that class.
enum class ControlKind { CommandButton, Frame, TextBox, Label, OptionButton, PictureBox };

// The main window's controls that the code reads and writes. The layout table binds each
// one as the window is built, so a control's name is spelled once, as its objectName in
// the table, and the code refers to these members: a misspelt control does not compile.
struct MainWindowControls {
    QPushButton* Command1 = nullptr;
    QLineEdit* Text_gama = nullptr;
    QRadioButton* Option_FLD4 = nullptr;
    QRadioButton* Option_M = nullptr;
    PictureBox* Picture1 = nullptr;
    QLineEdit* Text_Msub = nullptr;
    QLineEdit* Text_Msup = nullptr;
    QLineEdit* Text_FLD4 = nullptr;
    QLineEdit* Text_PoPostar = nullptr;
    QLineEdit* Text_RoRostar = nullptr;
    QLineEdit* Text_PPstar = nullptr;
    QLineEdit* Text_TTstar = nullptr;
    QLabel* Label_M = nullptr;
    QLabel* Label_FLD4 = nullptr;
    QLabel* Label_PoPoStar = nullptr;
    QLabel* Label_RoRoStar = nullptr;
    QLabel* Label_PPstar = nullptr;
    QLabel* Label_TTstar = nullptr;

    // The two option buttons as one exclusive group whose button ids are the input modes;
    // made once the table is built (see inputmodes.h).
    QButtonGroup* inputModes = nullptr;
};

// The kind of control a member of the class Control holds; another class does not compile.
template <class Control> constexpr ControlKind kindOf()
{
    if constexpr (std::is_same_v<Control, QPushButton>)
        return ControlKind::CommandButton;
    else if constexpr (std::is_same_v<Control, QLineEdit>)
        return ControlKind::TextBox;
    else if constexpr (std::is_same_v<Control, QLabel>)
        return ControlKind::Label;
    else if constexpr (std::is_same_v<Control, QRadioButton>)
        return ControlKind::OptionButton;
    else if constexpr (std::is_same_v<Control, PictureBox>)
        return ControlKind::PictureBox;
    else
        static_assert(sizeof(Control) == 0, "no layout table kind makes this class of control");
}

// One member of MainWindowControls, named as control<&MainWindowControls::X>. A layout
// table row that carries it stores its new widget there, and its class fixes the row's
// kind; other tables (the input modes' rows, the result fields, the accessible names)
// read it back as a plain widget.
struct ControlMember {
    void (*store)(MainWindowControls&, QWidget*);
    QWidget* (*read)(const MainWindowControls&);
    ControlKind kind;

    QWidget* operator()(const MainWindowControls& controls) const { return read(controls); }
};

template <auto member>
using MemberControl =
    std::remove_pointer_t<std::remove_cvref_t<decltype(std::declval<MainWindowControls&>().*member)>>;

// The builder makes each kind as its paired class, so the downcast in store is sound.
template <auto member>
inline constexpr ControlMember control{
    [](MainWindowControls& controls, QWidget* widget) {
        controls.*member = static_cast<MemberControl<member>*>(widget);
    },
    [](const MainWindowControls& controls) -> QWidget* { return controls.*member; },
    kindOf<MemberControl<member>>(),
};

} // namespace velmora
