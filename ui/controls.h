#pragma once

// The windows' controls that the code reads and writes, by identity. Each kind of
// control has its own enumeration, so a misspelt control does not compile, and a call
// that only a box answers (its text, its background) takes only a box.

#include <iterator>
#include <variant>

namespace velmora {

// What a layout table row builds.
enum class ControlKind { CommandButton, Frame, TextBox, Label, OptionButton, PictureBox, ComboBox };

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

// The Fanno problems window's: its own enumerations, so that neither window's calls take
// the other's controls. Its one section first, then the duct.
enum class ProblemsButton { Command_Solve, Command_SolveDuct };
enum class ProblemsBox {
    Text_gama,
    Text_Known, // the known value
    Text_M,
    Text_FLD4,
    Text_TTstar,
    Text_PPstar,
    Text_RoRostar,
    Text_VVstar,
    Text_PoPostar,
    Text_Entropy, // (s*-s)/R
    Text_M1,
    Text_FLD4duct, // the duct's 4fL/D
    Text_M2,
    Text_P2P1,
    Text_T2T1,
    Text_Ro2Ro1,
    Text_V2V1,
    Text_Po2Po1,
    Text_EntropyRise, // (s2-s1)/R
    Text_FLD4longest, // the inlet's 4fL*/D, the longest duct
};
enum class Choice { Combo_Known };
enum class ProblemsPicture { Picture1 };

// Whether the user types into the box; the others show results, read-only.
constexpr bool takesInput(ProblemsBox box)
{
    return box == ProblemsBox::Text_gama || box == ProblemsBox::Text_Known || box == ProblemsBox::Text_M1 ||
           box == ProblemsBox::Text_FLD4duct;
}

// Whether the user can move the focus to a control of this kind: every binding chains these
// in tab order.
constexpr bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::CommandButton || kind == ControlKind::TextBox ||
           kind == ControlKind::OptionButton || kind == ControlKind::PictureBox ||
           kind == ControlKind::ComboBox;
}

// Any one of them: what a table row binds, what is shown or hidden.
using Control =
    std::variant<Button, Box, Option, Label, Picture, ProblemsButton, ProblemsBox, Choice, ProblemsPicture>;

constexpr ControlKind kindOf(const Control& control)
{
    constexpr ControlKind kinds[] = {
        ControlKind::CommandButton, ControlKind::TextBox,    ControlKind::OptionButton,
        ControlKind::Label,         ControlKind::PictureBox, ControlKind::CommandButton,
        ControlKind::TextBox,       ControlKind::ComboBox,   ControlKind::PictureBox};
    static_assert(std::size(kinds) == std::variant_size_v<Control>);
    return kinds[control.index()];
}

} // namespace velmora
