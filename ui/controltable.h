#pragma once

#include "flow/fannoproblems.h"
#include "ui/controls.h"
#include "ui/look.h"

#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

// The windows' layouts as data: every control with its container, text, place and size
// in twips (1/1440 inch) and tab index, in the order the controls are stored. The
// windows are built from these tables in one loop; nothing else places a control.

namespace velmora {

// What a row builds: a control of a kind, or one of the controls the code reads and
// writes, whose identity gives the kind, so that a row cannot disagree with it. Converts
// implicitly so that a row reads as a list.
struct BuiltControl {
    constexpr BuiltControl(ControlKind kind) : kind(kind) {} // NOLINT
    template <class Id>
    constexpr BuiltControl(
        Id id) requires std::is_enum_v<Id> && std::is_constructible_v<Control, Id> // NOLINT
        : kind(kindOf(id)), control(id)
    {
    }

    ControlKind kind;
    std::optional<Control> control; // none: the code never touches the control
};

struct ControlSpec {
    std::string_view name; // the control's name: a widget's objectName, an element's id
    BuiltControl builds;
    std::string_view container;   // empty for the window's client area
    std::string_view text;        // caption or initial text, UTF-8, blanks as they stand
    int left, top, width, height; // twips from the container's top-left corner
    int tabIndex;
    bool visible = true;
    ControlFont font = ControlFont::Interface;
    std::optional<Rgb> textColour = std::nullopt; // on the fixed background only; none: black
    std::optional<Rgb> background = std::nullopt; // none: the container's, and the theme's text colour
};

inline constexpr int twipsPerPixel = 15; // at 96 dots per inch
inline constexpr int pixelsFromTwips(int twips) { return twips / twipsPerPixel; }

// Form_Velmora: client area 4035 × 5985 twips.
inline constexpr int mainWindowWidth = 4035;
inline constexpr int mainWindowHeight = 5985;
std::span<const ControlSpec> mainWindowControls();
// The name of a control of the main window's or the problems window's table: its
// objectName, its element's id.
[[nodiscard]] std::string_view nameOf(const Control& control);

// Form_About: client area 3600 × 1770 twips, six labels on light yellow.
inline constexpr int aboutWindowWidth = 3600;
inline constexpr int aboutWindowHeight = 1770;
std::span<const ControlSpec> aboutWindowControls();

// The Fanno problems window: client area 7800 × 8235 twips; a γ box, the section that
// solves one known quantity, the duct, and the chart below them.
inline constexpr int problemsWindowWidth = 7800;
inline constexpr int problemsWindowHeight = 8235;
std::span<const ControlSpec> problemsWindowControls();

// The entries of the "Known quantity" choice (Combo_Known), in the order it lists them,
// each with the quantity it names; the window opens with the first one chosen.
struct KnownQuantityEntry {
    std::string_view text;
    KnownQuantity known;
};
std::span<const KnownQuantityEntry> knownQuantityEntries();

} // namespace velmora
