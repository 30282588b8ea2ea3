#include "chart/pixelsurface.h"

namespace velmora {

namespace {

PixelRect paintable(double width, double height, double margin)
{
    return {-margin, -margin, width + margin, height + margin};
}

} // namespace

// Kept as corners, so that an area that changes size keeps the user coordinates.
void PixelSurface::setScale(float x1, float y1, float x2, float y2)
{
    corners_[0] = x1;
    corners_[1] = y1;
    corners_[2] = x2;
    corners_[3] = y2;
}

void PixelSurface::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    const Area area = prepareArea();
    const UserScale scale(corners_[0], corners_[1], corners_[2], corners_[3], area.width, area.height);
    const std::optional<PixelSegment> visible = clipSegment({scale.toPixels(x1, y1), scale.toPixels(x2, y2)},
                                                            paintable(area.width, area.height, area.margin));
    if (visible)
        paintLine(alignedToPixels(*visible, area.width, area.height, area.devicePixelRatio), colour);
}

void PixelSurface::circle(float x, float y, float radius, Rgb colour)
{
    const Area area = prepareArea();
    const UserScale scale(corners_[0], corners_[1], corners_[2], corners_[3], area.width, area.height);
    const PixelPoint centre = scale.toPixels(x, y);
    const double r = scale.horizontalPixels(radius);
    if (circleReaches(centre, r, paintable(area.width, area.height, area.margin)))
        paintCircle(centre, r, colour);
}

} // namespace velmora
