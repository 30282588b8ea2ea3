#include "ui/inputmodes.h"

#include "text/systemtexts.h"
#include "ui/qttext.h"
#include "ui/windowlook.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <array>
#include <cstddef>

namespace velmora {

namespace {

enum class Setting { Unchanged, Show, Hide, ClearToSpace, White, Grey, AskForInput };

using S = Setting;
using C = MainWindowControls;

constexpr std::size_t indexOf(InputMode mode) { return static_cast<std::size_t>(mode); }

struct ModeOption {
    InputMode mode;
    ControlMember option;
};

constexpr ModeOption modeOptions[] = {
    {InputMode::Mach, control<&C::Option_M>},
    {InputMode::Friction, control<&C::Option_FLD4>},
};

// Listed in the order of InputMode, so that a mode indexes its column of settings below.
constexpr bool listedInModeOrder()
{
    for (std::size_t i = 0; i < std::size(modeOptions); ++i)
        if (indexOf(modeOptions[i].mode) != i)
            return false;
    return true;
}
static_assert(listedInModeOrder());

// What each mode sets: one column a mode.
struct ModeRow {
    ControlMember control;
    std::array<Setting, std::size(modeOptions)> settings;
};

// Applied in this order, one row after the other.
constexpr ModeRow modeRows[] = {
    {control<&C::Label_M>, {S::Show, S::Hide}},
    {control<&C::Label_FLD4>, {S::Hide, S::Show}},
    {control<&C::Label_PPstar>, {S::Hide, S::Hide}},
    {control<&C::Label_TTstar>, {S::Hide, S::Hide}},
    {control<&C::Label_RoRoStar>, {S::Hide, S::Hide}},
    {control<&C::Label_PoPoStar>, {S::Hide, S::Hide}},
    {control<&C::Text_Msub>, {S::Show, S::Hide}},
    {control<&C::Text_Msup>, {S::Hide, S::Hide}},
    {control<&C::Text_FLD4>, {S::Hide, S::Show}},
    {control<&C::Text_PPstar>, {S::Hide, S::Hide}},
    {control<&C::Text_TTstar>, {S::Hide, S::Hide}},
    {control<&C::Text_RoRostar>, {S::Hide, S::Hide}},
    {control<&C::Text_PoPostar>, {S::Hide, S::Hide}},
    {control<&C::Text_Msub>, {S::ClearToSpace, S::Unchanged}},
    {control<&C::Text_FLD4>, {S::Unchanged, S::ClearToSpace}},
    {control<&C::Text_Msub>, {S::White, S::Grey}},
    {control<&C::Text_Msup>, {S::Unchanged, S::Grey}},
    {control<&C::Text_FLD4>, {S::Grey, S::White}},
    {control<&C::Text_PPstar>, {S::Grey, S::Grey}},
    {control<&C::Text_TTstar>, {S::Grey, S::Grey}},
    {control<&C::Text_RoRostar>, {S::Grey, S::Grey}},
    {control<&C::Text_PoPostar>, {S::Grey, S::Grey}},
    {control<&C::Command1>, {S::AskForInput, S::AskForInput}},
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
        qobject_cast<QAbstractButton*>(control)->setText(fromUtf8(inputValueThenClick));
        return;
    }
}

} // namespace

void groupInputModes(MainWindowControls& controls)
{
    QWidget* frame = modeOptions[0].option(controls)->parentWidget();
    controls.inputModes = new QButtonGroup(frame);
    for (const ModeOption& entry : modeOptions)
        controls.inputModes->addButton(qobject_cast<QAbstractButton*>(entry.option(controls)),
                                       static_cast<int>(entry.mode));
}

std::optional<InputMode> selectedInputMode(const MainWindowControls& controls)
{
    const int id = controls.inputModes->checkedId();
    if (id < 0)
        return std::nullopt;
    return static_cast<InputMode>(id);
}

void applyInputMode(const MainWindowControls& controls, InputMode mode)
{
    for (const ModeRow& row : modeRows)
        apply(row.control(controls), row.settings.at(indexOf(mode)));
}

} // namespace velmora
