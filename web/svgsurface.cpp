#include "web/svgsurface.h"

#include "chart/frictionchart.h"
#include "web/dom.h"
#include "web/layout.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace velmora {

namespace {

// A hundredth of a pixel is precision enough, and keeps the drawing's text short.
double hundredths(double v) { return std::round(v * 100.0) / 100.0; }

// A line along a pixel row or column goes through the middle of that pixel, so that a
// one-pixel stroke covers whole pixels at any whole device pixel ratio and stays crisp;
// one on the far edge goes on the last pixel instead of just beyond.
double pixelMiddle(double v, int extent) { return std::clamp(std::floor(v), 0.0, double(extent - 1)) + 0.5; }

} // namespace

SvgSurface::SvgSurface(dom::Element svg, dom::Element caption, int width, int height)
    : svg_(std::move(svg)), caption_(std::move(caption)), width_(width), height_(height),
      scale_(0.0f, 0.0f, 1.0f, 1.0f, width, height)
{
    svg_.setAttribute("viewBox", "0 0 " + std::to_string(width) + " " + std::to_string(height));
    svg_.setAttribute("width", std::to_string(width));
    svg_.setAttribute("height", std::to_string(height));
}

void SvgSurface::clear() { svg_.call("replaceChildren"); }

void SvgSurface::setScale(float x1, float y1, float x2, float y2)
{
    scale_ = UserScale(x1, y1, x2, y2, width_, height_);
}

void SvgSurface::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    const PixelRect area{0.0, 0.0, double(width_), double(height_)};
    const std::optional<PixelSegment> visible =
        clipSegment({scale_.toPixels(x1, y1), scale_.toPixels(x2, y2)}, area);
    if (!visible)
        return;
    PixelSegment s = *visible;
    if (s.from.x == s.to.x)
        s.from.x = s.to.x = pixelMiddle(s.from.x, width_);
    if (s.from.y == s.to.y)
        s.from.y = s.to.y = pixelMiddle(s.from.y, height_);
    svg_.appendLine(hundredths(s.from.x), hundredths(s.from.y), hundredths(s.to.x), hundredths(s.to.y),
                    cssColour(colour.value_or(chartForeground)));
}

void SvgSurface::circle(float x, float y, float radius, Rgb colour)
{
    const PixelPoint centre = scale_.toPixels(x, y);
    const double r = scale_.horizontalPixels(radius);
    if (!std::isfinite(centre.x) || !std::isfinite(centre.y) || !std::isfinite(r) || centre.x + r < 0 ||
        centre.x - r > width_ || centre.y + r < 0 || centre.y - r > height_)
        return;
    svg_.appendCircle(hundredths(centre.x), hundredths(centre.y), hundredths(r), cssColour(colour));
}

void SvgSurface::showCaption() { caption_.setHidden(false); }

} // namespace velmora
