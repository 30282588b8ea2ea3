#pragma once

// Where a layout table puts its controls, in pixels at 96 dots per inch, worked out here
// once for every binding and for the printed table: each control's place in its container
// and in the client area, the order the focus takes through them, and the caption that
// lies over the chart.

#include "ui/controltable.h"

#include <span>
#include <string_view>
#include <vector>

namespace velmora {

// The picture box's sunken border: what it holds is placed from inside it.
inline constexpr int pictureBorder = 2;

struct PixelPlace {
    int x = 0, y = 0, width = 0, height = 0;

    [[nodiscard]] constexpr bool contains(double px, double py) const
    {
        return px >= x && px < x + width && py >= y && py < y + height;
    }
    friend bool operator==(const PixelPlace&, const PixelPlace&) = default;
};

// The row's place from its container's outer corner; inside a picture box, from the inner
// corner of its border.
[[nodiscard]] PixelPlace placeInContainer(std::span<const ControlSpec> table, const ControlSpec& row);
// The row's place from the client area's top left.
[[nodiscard]] PixelPlace placeInClient(std::span<const ControlSpec> table, const ControlSpec& row);

// The rows whose controls take the focus, in ascending tab index (rows of one index in
// table order): the order Tab moves through them.
[[nodiscard]] std::vector<const ControlSpec*> tabOrder(std::span<const ControlSpec> table);

// The rows a container holds, in table order.
[[nodiscard]] std::vector<const ControlSpec*> rowsInside(std::span<const ControlSpec> table,
                                                         std::string_view container);

// The label lying over the chart's drawing, and its place in the drawing area; none
// without one.
[[nodiscard]] const ControlSpec* chartCaption(std::span<const ControlSpec> table);
[[nodiscard]] PixelPlace chartCaptionPlace(std::span<const ControlSpec> table);

// The picture box's drawing area, inside its border.
[[nodiscard]] PixelPlace drawingArea(const ControlSpec& picture);

} // namespace velmora
