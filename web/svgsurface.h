#pragma once

#include "chart/pixelsurface.h"
#include "ui/placement.h"
#include "web/dom.h"

#include <utility>

namespace velmora {

// The chart's drawing area in the page: an SVG in CSS pixels, the markup's, which stays
// sharp at any zoom and pixel density. Lines and circles become SVG elements; the caption
// is an element of the page over its top left.
class SvgSurface final : public PixelSurface {
public:
    SvgSurface(dom::Element svg, dom::Element caption, const PixelPlace& area)
        : svg_(std::move(svg)), caption_(std::move(caption)), area_(area)
    {
    }

    void clear() override { svg_.call("replaceChildren"); }
    void showCaption() override { caption_.setHidden(false); }

private:
    Area prepareArea() override { return {double(area_.width), double(area_.height), 1.0, 0.0}; }
    void paintLine(const PixelSegment& segment, std::optional<Rgb> colour) override;
    void paintCircle(const PixelPoint& centre, double radius, Rgb colour) override;

    dom::Element svg_;
    dom::Element caption_;
    PixelPlace area_;
};

} // namespace velmora
