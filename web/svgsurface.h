#pragma once

#include "chart/pixelsurface.h"
#include "web/dom.h"

namespace velmora {

// The chart's drawing area in the page: an SVG of the area's size in CSS pixels, so that
// it stays sharp at any zoom and pixel density. Lines and circles become SVG elements; the
// caption is an element of the page over its top left.
class SvgSurface final : public PixelSurface {
public:
    // svg: the drawing's element, width × height CSS pixels; caption: the element shown
    // by showCaption.
    SvgSurface(dom::Element svg, dom::Element caption, int width, int height);

    void clear() override { svg_.call("replaceChildren"); }
    void showCaption() override { caption_.setHidden(false); }

private:
    // In CSS pixels, which stay crisp at any whole device pixel ratio.
    Area prepareArea() override { return {double(width_), double(height_), 1.0, 0.0}; }
    void paintLine(const PixelSegment& segment, std::optional<Rgb> colour) override;
    void paintCircle(const PixelPoint& centre, double radius, Rgb colour) override;

    dom::Element svg_;
    dom::Element caption_;
    int width_;
    int height_;
};

} // namespace velmora
