#include "ui/inputmodes.h"

#include "text/systemtexts.h"
#include "ui/controltable.h"
#include "ui/windowlook.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <string_view>

namespace velmora {

namespace {

enum class Setting { Unchanged, Show, Hide, ClearToSpace, White, Grey, AskForInput };

struct ModeRow {
    std::string_view control;
    Setting mach;
    Setting friction;
};

using S = Setting;

// Applied in this order, one row after the other.
constexpr ModeRow modeRows[] = {
    {"Label_M", S::Show, S::Hide},
    {"Label_FLD4", S::Hide, S::Show},
    {"Label_PPstar", S::Hide, S::Hide},
    {"Label_TTstar", S::Hide, S::Hide},
    {"Label_RoRoStar", S::Hide, S::Hide},
    {"Label_PoPoStar", S::Hide, S::Hide},
    {"Text_Msub", S::Show, S::Hide},
    {"Text_Msup", S::Hide, S::Hide},
    {"Text_FLD4", S::Hide, S::Show},
    {"Text_PPstar", S::Hide, S::Hide},
    {"Text_TTstar", S::Hide, S::Hide},
    {"Text_RoRostar", S::Hide, S::Hide},
    {"Text_PoPostar", S::Hide, S::Hide},
    {"Text_Msub", S::ClearToSpace, S::Unchanged},
    {"Text_FLD4", S::Unchanged, S::ClearToSpace},
    {"Text_Msub", S::White, S::Grey},
    {"Text_Msup", S::Unchanged, S::Grey},
    {"Text_FLD4", S::Grey, S::White},
    {"Text_PPstar", S::Grey, S::Grey},
    {"Text_TTstar", S::Grey, S::Grey},
    {"Text_RoRostar", S::Grey, S::Grey},
    {"Text_PoPostar", S::Grey, S::Grey},
    {"Command1", S::AskForInput, S::AskForInput},
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
        apply(controls.named(row.control), mode == InputMode::Mach ? row.mach : row.friction);
}

} // namespace velmora
