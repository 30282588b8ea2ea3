#pragma once

// The friction-parameter chart and the surface it draws on.
//
// This layer is plain C++ without Qt: it decides what is drawn, in user coordinates, and
// hands single-precision coordinates to an abstract surface that the UI implements.
// It never hands the surface a NaN or an infinity.

#include <optional>

namespace velmora {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The system's colours, shared by the chart and the windows.
inline constexpr Rgb lightYellow{255, 255, 192}; // the chart and the About window
inline constexpr Rgb lightGrey{200, 200, 200};   // grid lines and inactive boxes
inline constexpr Rgb white{255, 255, 255};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb red{255, 0, 0};
inline constexpr Rgb green{0, 128, 0};
inline constexpr Rgb blue{0, 0, 255};

// A picture box with user coordinates. Shapes may lie partly or wholly outside the
// drawing area; the surface clips them without error.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Fills the drawing area with the background colour, discarding every line and circle.
    virtual void clear() = 0;
    // (x1, y1) becomes the drawing area's top-left corner, (x2, y2) its bottom-right one.
    virtual void setScale(float x1, float y1, float x2, float y2) = 0;
    // A straight line, in colour or, without one, in the surface's foreground colour.
    virtual void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) = 0;
    // An unfilled circle, its radius in horizontal user units, round on the screen.
    virtual void circle(float x, float y, float radius, Rgb colour) = 0;
    // Shows the caption that lies over the drawing's top-left corner.
    virtual void showCaption() = 0;
};

} // namespace velmora
