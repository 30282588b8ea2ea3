#pragma once

// Controls of the page made from rows of a layout table: the desktop's place and size at
// 96 dots per inch, its caption or text, and the class of its font role, which the
// page's style sheet turns into the desktop's font.

#include "ui/controltable.h"

#include <emscripten/val.h>

namespace velmora {

// The CSS class of a font role.
[[nodiscard]] const char* fontClass(ControlFont font);

// Places element at row's place, counted from (originX, originY) in its parent, and gives
// it row's font class and fixed colours.
void placeAndStyle(const emscripten::val& element, const ControlSpec& row, int originX, int originY);

// A label of the row: text only, for the eye; the controls carry their own names.
[[nodiscard]] emscripten::val makeLabel(const ControlSpec& row, int originX, int originY);

} // namespace velmora
