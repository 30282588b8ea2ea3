#include "web/svgsurface.h"

#include "chart/frictionchart.h"
#include "web/layout.h"

#include <cmath>

namespace velmora {

namespace {

// A hundredth of a pixel is precision enough, and keeps the drawing's text short.
double hundredths(double v) { return std::round(v * 100.0) / 100.0; }

} // namespace

void SvgSurface::paintLine(const PixelSegment& s, std::optional<Rgb> colour)
{
    svg_.append("line", hundredths(s.from.x), hundredths(s.from.y), hundredths(s.to.x), hundredths(s.to.y),
                cssColour(colour.value_or(chartForeground)));
}

void SvgSurface::paintCircle(const PixelPoint& centre, double radius, Rgb colour)
{
    svg_.append("circle", hundredths(centre.x), hundredths(centre.y), hundredths(radius), 0.0,
                cssColour(colour));
}

} // namespace velmora
