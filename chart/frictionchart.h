#pragma once

#include "chart/drawingsurface.h"
#include "flow/fanno.h"

namespace velmora {

inline constexpr Rgb chartBackground = lightYellow;
// The surface's foreground, for the axes and the caption: dark on the light surface,
// whatever colour scheme the desktop has.
inline constexpr Rgb chartForeground = black;
inline constexpr Rgb gridColour = lightGrey;
inline constexpr Rgb curveColour = red;
inline constexpr Rgb markerColour = blue;
inline constexpr float markerRadius = 0.05f;

// The chart's user coordinates: (x1, y1) at the drawing area's top left, (x2, y2) at its
// bottom right, with x = M and y = −4fL*/D.
struct ChartScale {
    float x1, y1, x2, y2;
};
inline constexpr ChartScale frictionChartScale{-0.5f, -8.0f, 5.0f, 1.0f};

// Draws the whole chart of 4fL*/D against M for the γ in state, over 0.25 ≤ M ≤ 5, at
// x = M, y = −4fL*/D: it samples the curve first, then clears the surface, sets the
// scale frictionChartScale and draws the two axes, the grid, the caption and the red
// curve, in that order. A sample without a finite value (γ ≤ 1 breaks the relation inside
// the range) leaves out the segments that touch it; the rest of the curve is drawn.
void FLD4_Graph(const FlowState& state, DrawingSurface& surface);

// Adds one blue circle at (M, −F) over whatever the surface shows. A point beyond single
// precision cannot be shown and draws nothing.
void Mark_Point(DrawingSurface& surface, const double& M, const double& F);

} // namespace velmora
