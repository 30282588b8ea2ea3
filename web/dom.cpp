#include "web/dom.h"

namespace velmora::dom {

val document() { return val::global("document"); }

val byId(const std::string& id) { return document().call<val>("getElementById", id); }

val svgElement(const char* tag)
{
    return document().call<val>("createElementNS", std::string("http://www.w3.org/2000/svg"),
                                std::string(tag));
}

void setAttribute(const val& element, const char* name, const std::string& value)
{
    element.call<void>("setAttribute", std::string(name), value);
}

void setText(val element, const std::string& text) { element.set("textContent", text); }

void setHidden(val element, bool hidden) { element.set("hidden", hidden); }

} // namespace velmora::dom
