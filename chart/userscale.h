#pragma once

#include <optional>

namespace velmora {

struct PixelPoint {
    double x = 0.0;
    double y = 0.0;
};

struct PixelSegment {
    PixelPoint from;
    PixelPoint to;
};

struct PixelRect {
    double left = 0.0;
    double top = 0.0;
    double right = 0.0;
    double bottom = 0.0;
};

// The linear map from a surface's user coordinates to pixels of its drawing area:
// (x1, y1) goes to the top-left corner (0, 0), (x2, y2) to (width, height).
class UserScale {
public:
    UserScale() = default;
    UserScale(float x1, float y1, float x2, float y2, double width, double height);

    [[nodiscard]] PixelPoint toPixels(float x, float y) const;
    // A length along x in pixels: circle radii are given in horizontal user units.
    [[nodiscard]] double horizontalPixels(float length) const;

private:
    double x1_ = 0.0;
    double y1_ = 0.0;
    double xPixels_ = 1.0; // pixels per horizontal user unit
    double yPixels_ = 1.0; // pixels per vertical user unit, negative when y grows upward
};

// The part of a segment inside rect (edges included), or nothing when no part of it is
// inside or an end is not finite. Painting engines misbehave on coordinates far outside the device, so a
// surface clips before it paints.
[[nodiscard]] std::optional<PixelSegment> clipSegment(const PixelSegment& segment, const PixelRect& rect);

// A segment along a pixel row or column, moved onto the middle of a row or column of
// device pixels, so that a one-pixel stroke covers whole pixels and stays crisp; one on
// the far edge of a width × height area goes on its last pixel instead of just beyond.
// Slanted segments are left to antialiasing. Coordinates are in logical pixels.
[[nodiscard]] PixelSegment alignedToPixels(PixelSegment segment, double width, double height,
                                           double devicePixelRatio);

// Whether a circle's outline can show in area: false for one wholly outside it or not finite.
[[nodiscard]] bool circleReaches(const PixelPoint& centre, double radius, const PixelRect& area);

} // namespace velmora
