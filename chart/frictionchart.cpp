#include "chart/frictionchart.h"

#include <array>
#include <cmath>
#include <limits>

namespace velmora {

namespace {

constexpr int firstSample = 5;
constexpr int lastSample = 100;
constexpr float axisTop = -7.2f; // the vertical axis and grid reach up to F = 7.2
constexpr int horizontalGridLines = 7;

// Whether a value survives the conversion to single precision as a finite number.
bool fitsSurface(double value)
{
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

} // namespace

void FLD4_Graph(const FlowState& state, DrawingSurface& surface)
{
    const int Mmax = 5;

    // Every sample is taken before the surface is touched. at() checks each index.
    std::array<double, 102> mach{};
    std::array<double, 102> friction{};
    for (int i = firstSample; i <= lastSample; ++i) {
        mach.at(i) = (double(i) / 100.0) * Mmax;
        friction.at(i) = state.FLD4_for_M(mach.at(i));
    }

    surface.clear();
    static_assert(frictionChartScale.x2 == float(Mmax));
    const ChartScale& scale = frictionChartScale;
    surface.setScale(scale.x1, scale.y1, scale.x2, scale.y2);

    surface.line(0.0f, 0.0f, 0.0f, axisTop, std::nullopt);
    for (int j = 1; j <= Mmax; ++j)
        surface.line(float(j), 0.0f, float(j), axisTop, gridColour);
    surface.line(0.0f, 0.0f, float(Mmax), 0.0f, std::nullopt);
    for (int k = 1; k <= horizontalGridLines; ++k)
        surface.line(0.0f, float(-k), float(Mmax), float(-k), gridColour);

    surface.showCaption();

    for (int i = firstSample + 1; i <= lastSample; ++i) {
        const double f0 = -friction.at(i - 1);
        const double f1 = -friction.at(i);
        if (!fitsSurface(f0) || !fitsSurface(f1))
            continue;
        surface.line(float(mach.at(i - 1)), float(f0), float(mach.at(i)), float(f1), curveColour);
    }
}

void Mark_Point(DrawingSurface& surface, const double& M, const double& F)
{
    const double y = -F;
    if (!fitsSurface(M) || !fitsSurface(y))
        return;
    surface.circle(float(M), float(y), markerRadius, markerColour);
}

} // namespace velmora
