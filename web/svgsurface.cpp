#include "web/svgsurface.h"

#include "chart/frictionchart.h"
#include "web/layout.h"

#include <cmath>
#include <string>
#include <utility>

namespace velmora {

namespace {

// A hundredth of a pixel is precision enough, and keeps the drawing's text short.
double hundredths(double v) { return std::round(v * 100.0) / 100.0; }

} // namespace

SvgSurface::SvgSurface(dom::Element svg, dom::Element caption, int width, int height)
    : svg_(std::move(svg)), caption_(std::move(caption)), width_(width), height_(height)
{
    svg_.setAttribute("viewBox", "0 0 " + std::to_string(width) + " " + std::to_string(height));
    svg_.setAttribute("width", std::to_string(width));
    svg_.setAttribute("height", std::to_string(height));
}

void SvgSurface::paintLine(const PixelSegment& s, std::optional<Rgb> colour)
{
    svg_.appendLine(hundredths(s.from.x), hundredths(s.from.y), hundredths(s.to.x), hundredths(s.to.y),
                    cssColour(colour.value_or(chartForeground)));
}

void SvgSurface::paintCircle(const PixelPoint& centre, double radius, Rgb colour)
{
    svg_.appendCircle(hundredths(centre.x), hundredths(centre.y), hundredths(radius), cssColour(colour));
}

} // namespace velmora
