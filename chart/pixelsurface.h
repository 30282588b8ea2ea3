#pragma once

// A drawing surface that paints in pixels. What every such surface must do before it
// paints is done here once: the user scale, the clipping, the moving of lines along a
// pixel row or column onto whole device pixels, and the leaving out of circles wholly out
// of sight. A surface says how big its area is and paints what shows.

#include "chart/drawingsurface.h"
#include "chart/userscale.h"

namespace velmora {

class PixelSurface : public DrawingSurface {
public:
    void setScale(float x1, float y1, float x2, float y2) final;
    void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) final;
    void circle(float x, float y, float radius, Rgb colour) final;

protected:
    // The drawing area in logical pixels, the device pixels in each, and how far beyond
    // its edges painting may still reach.
    struct Area {
        double width = 1.0, height = 1.0;
        double devicePixelRatio = 1.0;
        double margin = 0.0;
    };
    // Readies the area for painting and gives its size; asked before each shape.
    virtual Area prepareArea() = 0;
    // colour: none for the surface's foreground colour.
    virtual void paintLine(const PixelSegment& segment, std::optional<Rgb> colour) = 0;
    virtual void paintCircle(const PixelPoint& centre, double radius, Rgb colour) = 0;

private:
    float corners_[4] = {0.0f, 0.0f, 1.0f, 1.0f};
};

} // namespace velmora
