#include "web/dom.h"

namespace velmora::dom {

val document() { return val::global("document"); }

val byId(const std::string& id) { return document().call<val>("getElementById", id); }

val element(const char* tag, const char* className)
{
    val made = document().call<val>("createElement", std::string(tag));
    if (className)
        made.set("className", std::string(className));
    return made;
}

val svgElement(const char* tag)
{
    return document().call<val>("createElementNS", std::string("http://www.w3.org/2000/svg"),
                                std::string(tag));
}

void setAttribute(const val& element, const char* name, const std::string& value)
{
    element.call<void>("setAttribute", std::string(name), value);
}

void place(const val& element, int left, int top, int width, int height)
{
    val style = element["style"];
    style.set("left", std::to_string(left) + "px");
    style.set("top", std::to_string(top) + "px");
    style.set("width", std::to_string(width) + "px");
    style.set("height", std::to_string(height) + "px");
}

void setText(val element, const std::string& text) { element.set("textContent", text); }

void setHidden(val element, bool hidden) { element.set("hidden", hidden); }

std::string colour(const Rgb& rgb)
{
    return "rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
           std::to_string(rgb.blue) + ")";
}

} // namespace velmora::dom
