#pragma once

#include "ui/mainwindowcontrols.h"
#include "ui/windowlook.h"

#include <optional>
#include <span>
#include <string_view>

// The windows' layouts as data: every control with its container, text, place and size
// in twips (1/1440 inch) and tab index, in the order the controls are stored. The
// windows are built from these tables in one loop; nothing else places a control.

namespace velmora {

// What a row builds: a control of a kind, or one that a member of MainWindowControls
// keeps (control<&MainWindowControls::X>), whose class gives the kind, so that a row
// cannot disagree with its member. Converts implicitly so that a row reads as a list.
struct BuiltControl {
    constexpr BuiltControl(ControlKind kind) : kind(kind) {}                                   // NOLINT
    constexpr BuiltControl(const ControlMember& member) : kind(member.kind), member(member) {} // NOLINT

    ControlKind kind;
    std::optional<ControlMember> member; // none: the code never touches the control
};

struct ControlSpec {
    std::string_view name; // the widget's objectName
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

// Form_About: client area 3600 × 1770 twips, six labels on light yellow.
inline constexpr int aboutWindowWidth = 3600;
inline constexpr int aboutWindowHeight = 1770;
std::span<const ControlSpec> aboutWindowControls();

} // namespace velmora
