#pragma once

// The few things the page's binding does with single elements of the document, through
// emscripten::val: finding them, making the chart's SVG elements, setting attributes and
// texts. Styles are set through an element's style object, never as an attribute: the
// page's Content-Security-Policy forbids inline style attributes.

#include <emscripten/val.h>

#include <string>

namespace velmora::dom {

using emscripten::val;

[[nodiscard]] val document();
[[nodiscard]] val byId(const std::string& id);
[[nodiscard]] val svgElement(const char* tag);

void setAttribute(const val& element, const char* name, const std::string& value);
void setText(val element, const std::string& text);
void setHidden(val element, bool hidden);

} // namespace velmora::dom
