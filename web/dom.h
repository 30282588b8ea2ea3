#pragma once

// The few things the page's binding does with the document, through emscripten::val:
// making elements, setting attributes and styles. Styles are set through the element's
// style object, never as an attribute: the page's Content-Security-Policy forbids inline
// style attributes.

#include "chart/drawingsurface.h"

#include <emscripten/val.h>

#include <string>

namespace velmora::dom {

using emscripten::val;

[[nodiscard]] val document();
[[nodiscard]] val byId(const std::string& id);
// An HTML element of tag, with a class when one is given.
[[nodiscard]] val element(const char* tag, const char* className = nullptr);
[[nodiscard]] val svgElement(const char* tag);

void setAttribute(const val& element, const char* name, const std::string& value);
// style.left, style.top, style.width, style.height in CSS pixels.
void place(const val& element, int left, int top, int width, int height);
void setText(val element, const std::string& text);
void setHidden(val element, bool hidden);

// rgb(r, g, b) for CSS and SVG.
[[nodiscard]] std::string colour(const Rgb& rgb);

} // namespace velmora::dom
