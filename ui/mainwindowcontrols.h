#pragma once

#include "ui/picturebox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <type_traits>

namespace velmora {

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
};

// Stores a newly built widget in one member; a layout table row carries it.
using ControlBinding = void (*)(MainWindowControls&, QWidget*);

template <auto member> void bindControl(MainWindowControls& controls, QWidget* widget)
{
    using Control = std::remove_pointer_t<std::remove_reference_t<decltype(controls.*member)>>;
    controls.*member = qobject_cast<Control*>(widget);
    Q_ASSERT_X(controls.*member, "bindControl", "the table's kind of control does not match the member");
}

template <auto member> inline constexpr ControlBinding bindTo = &bindControl<member>;

// One member as a plain widget, for tables that treat controls alike (the input modes'
// rows, the fields a calculation shows, the accessible names).
using ControlOf = QWidget* (*)(const MainWindowControls&);

template <auto member> QWidget* widgetIn(const MainWindowControls& controls) { return controls.*member; }

template <auto member> inline constexpr ControlOf control = &widgetIn<member>;

} // namespace velmora
