#include "ui/inputmodes.h"

#include "text/systemtexts.h"
#include "ui/controltable.h"
#include "ui/windowlook.h"

#include <QAbstractButton>
#include <QLineEdit>

namespace velmora {

namespace {

enum class Setting { Unchanged, Show, Hide, ClearToSpace, White, Grey, AskForInput };

struct ModeRow {
    ControlOf control;
    Setting mach;
    Setting friction;
};

using S = Setting;
using C = MainWindowControls;

// Applied in this order, one row after the other.
constexpr ModeRow modeRows[] = {
    {control<&C::Label_M>, S::Show, S::Hide},
    {control<&C::Label_FLD4>, S::Hide, S::Show},
    {control<&C::Label_PPstar>, S::Hide, S::Hide},
    {control<&C::Label_TTstar>, S::Hide, S::Hide},
    {control<&C::Label_RoRoStar>, S::Hide, S::Hide},
    {control<&C::Label_PoPoStar>, S::Hide, S::Hide},
    {control<&C::Text_Msub>, S::Show, S::Hide},
    {control<&C::Text_Msup>, S::Hide, S::Hide},
    {control<&C::Text_FLD4>, S::Hide, S::Show},
    {control<&C::Text_PPstar>, S::Hide, S::Hide},
    {control<&C::Text_TTstar>, S::Hide, S::Hide},
    {control<&C::Text_RoRostar>, S::Hide, S::Hide},
    {control<&C::Text_PoPostar>, S::Hide, S::Hide},
    {control<&C::Text_Msub>, S::ClearToSpace, S::Unchanged},
    {control<&C::Text_FLD4>, S::Unchanged, S::ClearToSpace},
    {control<&C::Text_Msub>, S::White, S::Grey},
    {control<&C::Text_Msup>, S::Unchanged, S::Grey},
    {control<&C::Text_FLD4>, S::Grey, S::White},
    {control<&C::Text_PPstar>, S::Grey, S::Grey},
    {control<&C::Text_TTstar>, S::Grey, S::Grey},
    {control<&C::Text_RoRostar>, S::Grey, S::Grey},
    {control<&C::Text_PoPostar>, S::Grey, S::Grey},
    {control<&C::Command1>, S::AskForInput, S::AskForInput},
};

void apply(QWidget* control, Setting setting)
{
    switch (setting) {
    case S::Unchanged:
        return;
    case S::Show:
        control->setVisible(true);
        return;
    case S::Hide:
        control->setVisible(false);
        return;
    case S::ClearToSpace:
        qobject_cast<QLineEdit*>(control)->setText(QStringLiteral(" "));
        return;
    case S::White:
        setFixedColours(*control, Surface::TextBox, activeBox);
        return;
    case S::Grey:
        setFixedColours(*control, Surface::TextBox, inactiveBox);
        return;
    case S::AskForInput:
        qobject_cast<QAbstractButton*>(control)->setText(QString::fromLatin1(inputValueThenClick));
        return;
    }
}

} // namespace

void applyInputMode(const MainWindowControls& controls, InputMode mode)
{
    for (const ModeRow& row : modeRows)
        apply(row.control(controls), mode == InputMode::Mach ? row.mach : row.friction);
}

} // namespace velmora
