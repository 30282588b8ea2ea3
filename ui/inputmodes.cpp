#include "ui/inputmodes.h"

#include "text/systemtexts.h"
#include "ui/look.h"

#include <array>
#include <cstddef>
#include <variant>

namespace velmora {

namespace {

enum class Setting { Unchanged, Show, Hide, ClearToSpace, White, Grey, AskForInput };

// The column of each option's settings below.
constexpr std::size_t columnOf(Option option) { return option == Option::Option_M ? 0 : 1; }

// What each mode sets: the M mode's column first, then the 4fL*/D mode's.
struct ModeRow {
    Control control;
    std::array<Setting, 2> settings;
};

// Applied in this order, one row after the other.
constexpr ModeRow modeRows[] = {
    {Label::Label_M, {Setting::Show, Setting::Hide}},
    {Label::Label_FLD4, {Setting::Hide, Setting::Show}},
    {Label::Label_PPstar, {Setting::Hide, Setting::Hide}},
    {Label::Label_TTstar, {Setting::Hide, Setting::Hide}},
    {Label::Label_RoRoStar, {Setting::Hide, Setting::Hide}},
    {Label::Label_PoPoStar, {Setting::Hide, Setting::Hide}},
    {Box::Text_Msub, {Setting::Show, Setting::Hide}},
    {Box::Text_Msup, {Setting::Hide, Setting::Hide}},
    {Box::Text_FLD4, {Setting::Hide, Setting::Show}},
    {Box::Text_PPstar, {Setting::Hide, Setting::Hide}},
    {Box::Text_TTstar, {Setting::Hide, Setting::Hide}},
    {Box::Text_RoRostar, {Setting::Hide, Setting::Hide}},
    {Box::Text_PoPostar, {Setting::Hide, Setting::Hide}},
    {Box::Text_Msub, {Setting::ClearToSpace, Setting::Unchanged}},
    {Box::Text_FLD4, {Setting::Unchanged, Setting::ClearToSpace}},
    {Box::Text_Msub, {Setting::White, Setting::Grey}},
    {Box::Text_Msup, {Setting::Unchanged, Setting::Grey}},
    {Box::Text_FLD4, {Setting::Grey, Setting::White}},
    {Box::Text_PPstar, {Setting::Grey, Setting::Grey}},
    {Box::Text_TTstar, {Setting::Grey, Setting::Grey}},
    {Box::Text_RoRostar, {Setting::Grey, Setting::Grey}},
    {Box::Text_PoPostar, {Setting::Grey, Setting::Grey}},
    {Button::Command1, {Setting::AskForInput, Setting::AskForInput}},
};

// Only a box is cleared or coloured, and only a button asks for input.
constexpr bool fits(Setting setting, const Control& control)
{
    switch (setting) {
    case Setting::ClearToSpace:
    case Setting::White:
    case Setting::Grey:
        return std::holds_alternative<Box>(control);
    case Setting::AskForInput:
        return std::holds_alternative<Button>(control);
    case Setting::Unchanged:
    case Setting::Show:
    case Setting::Hide:
        return true;
    }
    return false;
}

constexpr bool everySettingFits()
{
    for (const ModeRow& row : modeRows)
        for (const Setting setting : row.settings)
            if (!fits(setting, row.control))
                return false;
    return true;
}
static_assert(everySettingFits());

void apply(MainWindow& window, const Control& control, Setting setting)
{
    switch (setting) {
    case Setting::Unchanged:
        return;
    case Setting::Show:
        window.setVisible(control, true);
        return;
    case Setting::Hide:
        window.setVisible(control, false);
        return;
    case Setting::ClearToSpace:
        window.setText(std::get<Box>(control), " ");
        return;
    case Setting::White:
        window.setBackground(std::get<Box>(control), activeBox);
        return;
    case Setting::Grey:
        window.setBackground(std::get<Box>(control), inactiveBox);
        return;
    case Setting::AskForInput:
        window.setCaption(std::get<Button>(control), inputValueThenClick);
        return;
    }
}

} // namespace

void applyInputMode(MainWindow& window, Option option)
{
    for (const ModeRow& row : modeRows)
        apply(window, row.control, row.settings.at(columnOf(option)));
}

} // namespace velmora
