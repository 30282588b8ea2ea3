#pragma once

#include "chart/drawingsurface.h"
#include "chart/userscale.h"
#include "web/dom.h"

namespace velmora {

// The chart's drawing area in the page: an SVG of the area's size in CSS pixels, so that
// it stays sharp at any zoom and pixel density. Lines and circles become SVG elements,
// clipped to the area first; the caption is an element of the page over its top left.
class SvgSurface final : public DrawingSurface {
public:
    // svg: the drawing's element, width × height CSS pixels; caption: the element shown
    // by showCaption.
    SvgSurface(dom::Element svg, dom::Element caption, int width, int height);

    void clear() override;
    void setScale(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void circle(float x, float y, float radius, Rgb colour) override;
    void showCaption() override;

private:
    dom::Element svg_;
    dom::Element caption_;
    int width_;
    int height_;
    UserScale scale_;
};

} // namespace velmora
