#pragma once

// What the windows fix of their look, as data for every binding: the colours they hold
// whatever the desktop's scheme, and the role of each control's font. How a role becomes a
// font, and how a fixed colour reaches a control, is the binding's. The chart's own
// colours stay with the chart (chart/frictionchart.h).

#include "chart/drawingsurface.h"

namespace velmora {

inline constexpr Rgb aboutBackground = lightYellow;
inline constexpr Rgb aboutDescription = green;
inline constexpr Rgb aboutAddress = blue;
inline constexpr Rgb inactiveBox = lightGrey;
inline constexpr Rgb activeBox = white;

// Text on a surface whose light background the window fixes. The desktop's text colour
// cannot be used there: a dark colour scheme makes it light, and it would vanish.
inline constexpr Rgb textOnFixedBackground = black;

enum class ControlFont {
    Interface,    // the window's interface font
    Greek,        // the two labels with Greek letters, in a narrow cut of the same sans
    ChartCaption, // the chart's caption: italic sans serif, 8.25 pt
    AboutTitle,   // the About window's description: a Verdana-like sans, 9.75 pt
    AboutText,    // the rest of the About window: the same sans, 8.25 pt
};

} // namespace velmora
