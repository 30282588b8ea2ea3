#pragma once

// Controls of the page written from rows of a layout table: the desktop's place and size
// at 96 dots per inch, its caption or text, and the class of its font role, which the
// page's style sheet turns into the desktop's font.

#include "ui/controltable.h"
#include "ui/placement.h"
#include "web/markup.h"

#include <string>

namespace velmora {

// rgb(r, g, b), for CSS and SVG.
[[nodiscard]] std::string cssColour(const Rgb& rgb);

// The CSS class of a font role.
[[nodiscard]] const char* fontClass(ControlFont font);

// The CSS of a place and size in CSS pixels, from the top left of the parent.
[[nodiscard]] std::string placementCss(int left, int top, int width, int height);

// The style of an element at place in its parent, with row's fixed colours.
[[nodiscard]] std::string rowCss(const ControlSpec& row, const PixelPlace& place);

// The class attribute of row's element: classes, then its font's.
[[nodiscard]] std::string rowClasses(std::string_view classes, const ControlSpec& row);

// A label of the row, text for the eye, as the element id at place in its parent; more
// holds any further attributes.
void writeLabel(Markup& markup, const ControlSpec& row, std::string id, const PixelPlace& place,
                Attributes more = {});

} // namespace velmora
