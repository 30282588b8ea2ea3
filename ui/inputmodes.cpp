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

using Controls = MainWindowControls;

constexpr std::size_t indexOf(InputMode mode) { return static_cast<std::size_t>(mode); }

struct ModeOption {
    InputMode mode;
    ControlMember option;
};

constexpr ModeOption modeOptions[] = {
    {InputMode::Mach, control<&Controls::Option_M>},
    {InputMode::Friction, control<&Controls::Option_FLD4>},
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
    {control<&Controls::Label_M>, {Setting::Show, Setting::Hide}},
    {control<&Controls::Label_FLD4>, {Setting::Hide, Setting::Show}},
    {control<&Controls::Label_PPstar>, {Setting::Hide, Setting::Hide}},
    {control<&Controls::Label_TTstar>, {Setting::Hide, Setting::Hide}},
    {control<&Controls::Label_RoRoStar>, {Setting::Hide, Setting::Hide}},
    {control<&Controls::Label_PoPoStar>, {Setting::Hide, Setting::Hide}},
    {control<&Controls::Text_Msub>, {Setting::Show, Setting::Hide}},
    {control<&Controls::Text_Msup>, {Setting::Hide, Setting::Hide}},
    {control<&Controls::Text_FLD4>, {Setting::Hide, Setting::Show}},
    {control<&Controls::Text_PPstar>, {Setting::Hide, Setting::Hide}},
    {control<&Controls::Text_TTstar>, {Setting::Hide, Setting::Hide}},
    {control<&Controls::Text_RoRostar>, {Setting::Hide, Setting::Hide}},
    {control<&Controls::Text_PoPostar>, {Setting::Hide, Setting::Hide}},
    {control<&Controls::Text_Msub>, {Setting::ClearToSpace, Setting::Unchanged}},
    {control<&Controls::Text_FLD4>, {Setting::Unchanged, Setting::ClearToSpace}},
    {control<&Controls::Text_Msub>, {Setting::White, Setting::Grey}},
    {control<&Controls::Text_Msup>, {Setting::Unchanged, Setting::Grey}},
    {control<&Controls::Text_FLD4>, {Setting::Grey, Setting::White}},
    {control<&Controls::Text_PPstar>, {Setting::Grey, Setting::Grey}},
    {control<&Controls::Text_TTstar>, {Setting::Grey, Setting::Grey}},
    {control<&Controls::Text_RoRostar>, {Setting::Grey, Setting::Grey}},
    {control<&Controls::Text_PoPostar>, {Setting::Grey, Setting::Grey}},
    {control<&Controls::Command1>, {Setting::AskForInput, Setting::AskForInput}},
};

void apply(QWidget* control, Setting setting)
{
    switch (setting) {
    case Setting::Unchanged:
        return;
    case Setting::Show:
        control->setVisible(true);
        return;
    case Setting::Hide:
        control->setVisible(false);
        return;
    case Setting::ClearToSpace:
        qobject_cast<QLineEdit*>(control)->setText(QStringLiteral(" "));
        return;
    case Setting::White:
        setFixedColours(*control, Surface::TextBox, activeBox);
        return;
    case Setting::Grey:
        setFixedColours(*control, Surface::TextBox, inactiveBox);
        return;
    case Setting::AskForInput:
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
