#pragma once

// The main window's controls that the code reads and writes, by identity. Each kind of
// control has its own enumeration, so a misspelt control does not compile, and a call
// that only a box answers (its text, its background) takes only a box.

#include <variant>

namespace velmora {

// What a layout table row builds.
enum class ControlKind { CommandButton, Frame, TextBox, Label, OptionButton, PictureBox };

enum class Button { Command1 };
enum class Box {
    Text_gama,
    Text_Msub,
    Text_Msup,
    Text_FLD4,
    Text_PoPostar,
    Text_RoRostar,
    Text_PPstar,
    Text_TTstar
};
enum class Option { Option_FLD4, Option_M };
enum class Label { Label_M, Label_FLD4, Label_PoPoStar, Label_RoRoStar, Label_PPstar, Label_TTstar };
enum class Picture { Picture1 };

// Whether the user can move the focus to a control of this kind: every binding chains these
// in tab order.
constexpr bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::CommandButton || kind == ControlKind::TextBox ||
           kind == ControlKind::OptionButton || kind == ControlKind::PictureBox;
}

// Any one of them: what a table row binds, what is shown or hidden.
using Control = std::variant<Button, Box, Option, Label, Picture>;

constexpr ControlKind kindOf(const Control& control)
{
    constexpr ControlKind kinds[] = {ControlKind::CommandButton, ControlKind::TextBox,
                                     ControlKind::OptionButton, ControlKind::Label, ControlKind::PictureBox};
    return kinds[control.index()];
}

} // namespace velmora
