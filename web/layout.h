#pragma once

// Controls of the page written from rows of a layout table: the desktop's place and size
// at 96 dots per inch, its caption or text, and the class of its font role, which the
// page's style sheet turns into the desktop's font.

#include "ui/controltable.h"
#include "web/markup.h"

#include <string>

namespace velmora {

// The picture box's sunken border: what it holds is placed from inside it.
inline constexpr int pictureBorder = 2;

// rgb(r, g, b), for CSS and SVG.
[[nodiscard]] std::string cssColour(const Rgb& rgb);

// The CSS class of a font role.
[[nodiscard]] const char* fontClass(ControlFont font);

// The CSS of a place and size in CSS pixels, from the top left of the parent.
[[nodiscard]] std::string placementCss(int left, int top, int width, int height);

// The style of row's element: its place and size counted from (originX, originY) in its
// parent, and its fixed colours.
[[nodiscard]] std::string rowCss(const ControlSpec& row, int originX, int originY);

// The class attribute of row's element: classes, then its font's.
[[nodiscard]] std::string rowClasses(std::string_view classes, const ControlSpec& row);

// A label of the row, text for the eye, as the element id at row's place from
// (originX, originY); more holds any further attributes.
void writeLabel(Markup& markup, const ControlSpec& row, std::string id, int originX, int originY,
                Attributes more = {});

} // namespace velmora
