#include "chart/userscale.h"

#include <algorithm>
#include <cmath>

namespace velmora {

UserScale::UserScale(float x1, float y1, float x2, float y2, double width, double height)
    : x1_(x1), y1_(y1), xPixels_(width / (double(x2) - x1)), yPixels_(height / (double(y2) - y1))
{
}

PixelPoint UserScale::toPixels(float x, float y) const
{
    return {(double(x) - x1_) * xPixels_, (double(y) - y1_) * yPixels_};
}

double UserScale::horizontalPixels(float length) const { return std::fabs(double(length) * xPixels_); }

namespace {

enum Outside : unsigned { left = 1, right = 2, above = 4, below = 8 };

unsigned outsideOf(const PixelPoint& p, const PixelRect& r)
{
    return (p.x < r.left ? left : 0u) | (p.x > r.right ? right : 0u) | (p.y < r.top ? above : 0u) |
           (p.y > r.bottom ? below : 0u);
}

} // namespace

// Cohen–Sutherland: each cut end is put exactly on the edge it crosses, so even ends
// very far outside give a precise piece inside.
std::optional<PixelSegment> clipSegment(const PixelSegment& segment, const PixelRect& rect)
{
    PixelPoint a = segment.from;
    PixelPoint b = segment.to;
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y))
        return std::nullopt;

    // Each pass puts one end on an edge; four edges a side bound the passes.
    for (int pass = 0; pass < 8; ++pass) {
        const unsigned outA = outsideOf(a, rect);
        const unsigned outB = outsideOf(b, rect);
        if ((outA | outB) == 0)
            return PixelSegment{a, b};
        if ((outA & outB) != 0)
            return std::nullopt;

        PixelPoint& end = outA ? a : b;
        const unsigned out = outA ? outA : outB;
        const PixelPoint from = a;
        const PixelPoint to = b;
        if (out & above) {
            end = {from.x + (to.x - from.x) * ((rect.top - from.y) / (to.y - from.y)), rect.top};
        } else if (out & below) {
            end = {from.x + (to.x - from.x) * ((rect.bottom - from.y) / (to.y - from.y)), rect.bottom};
        } else if (out & right) {
            end = {rect.right, from.y + (to.y - from.y) * ((rect.right - from.x) / (to.x - from.x))};
        } else {
            end = {rect.left, from.y + (to.y - from.y) * ((rect.left - from.x) / (to.x - from.x))};
        }
        if (!std::isfinite(end.x) || !std::isfinite(end.y))
            return std::nullopt;
    }
    return std::nullopt;
}

PixelSegment alignedToPixels(PixelSegment s, double width, double height, double devicePixelRatio)
{
    const auto centre = [devicePixelRatio](double v, double extent) {
        const double lastPixel = std::floor((extent - 1.0) * devicePixelRatio);
        const double pixel = std::clamp(std::floor(v * devicePixelRatio), 0.0, lastPixel);
        return (pixel + devicePixelRatio / 2.0) / devicePixelRatio;
    };
    if (s.from.x == s.to.x)
        s.from.x = s.to.x = centre(s.from.x, width);
    if (s.from.y == s.to.y)
        s.from.y = s.to.y = centre(s.from.y, height);
    return s;
}

bool circleReaches(const PixelPoint& centre, double radius, const PixelRect& area)
{
    return std::isfinite(centre.x) && std::isfinite(centre.y) && std::isfinite(radius) &&
           centre.x + radius >= area.left && centre.x - radius <= area.right &&
           centre.y + radius >= area.top && centre.y - radius <= area.bottom;
}

} // namespace velmora
