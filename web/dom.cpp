#include "web/dom.h"

#include <emscripten/em_js.h>
#include <emscripten/em_macros.h>

#include <utility>

// The page's side: the elements the program holds, by handle, in Module.velmoraElements
// with the handles free for reuse. Texts cross as UTF-8, with their lengths.
#ifdef EM_JS_DEPS
EM_JS_DEPS(velmora_dom, "$UTF8ToString,$stringToUTF8,$lengthBytesUTF8");
#endif

// clang-format off
EM_JS(int, velmora_keep, (const char* id, int length), {
    const element = length < 0 ? document.activeElement : document.getElementById(UTF8ToString(id, length));
    if (!element)
        return -1;
    const held = Module.velmoraElements || (Module.velmoraElements = { list: [], free: [] });
    const handle = held.free.length ? held.free.pop() : held.list.length;
    held.list[handle] = element;
    return handle;
});
EM_JS(void, velmora_release, (int handle), {
    const held = Module.velmoraElements;
    held.list[handle] = null;
    held.free.push(handle);
});
EM_JS(int, velmora_value_length, (int handle), {
    return lengthBytesUTF8(Module.velmoraElements.list[handle].value);
});
EM_JS(void, velmora_copy_value, (int handle, char* to, int size), {
    stringToUTF8(Module.velmoraElements.list[handle].value, to, size);
});
EM_JS(void, velmora_set, (int handle, const char* property, const char* text, int length), {
    Module.velmoraElements.list[handle][UTF8ToString(property)] = UTF8ToString(text, length);
});
EM_JS(void, velmora_set_hidden, (int handle, int hidden), {
    Module.velmoraElements.list[handle].hidden = hidden != 0;
});
EM_JS(void, velmora_set_attribute, (int handle, const char* name, int nameLength, const char* value, int valueLength), {
    Module.velmoraElements.list[handle].setAttribute(UTF8ToString(name, nameLength), UTF8ToString(value, valueLength));
});
EM_JS(void, velmora_remove_attribute, (int handle, const char* name, int length), {
    Module.velmoraElements.list[handle].removeAttribute(UTF8ToString(name, length));
});
EM_JS(void, velmora_set_style, (int handle, const char* property, int propertyLength, const char* value, int valueLength), {
    Module.velmoraElements.list[handle].style.setProperty(UTF8ToString(property, propertyLength),
                                                          UTF8ToString(value, valueLength));
});
EM_JS(int, velmora_is, (int handle, const char* property, int length), {
    return Module.velmoraElements.list[handle][UTF8ToString(property, length)] ? 1 : 0;
});
EM_JS(void, velmora_call, (int handle, const char* method, int length), {
    Module.velmoraElements.list[handle][UTF8ToString(method, length)]();
});
EM_JS(void, velmora_scroll_into_view, (int handle), {
    Module.velmoraElements.list[handle].scrollIntoView({ block: 'nearest' });
});
EM_JS(void, velmora_append_line, (int handle, double x1, double y1, double x2, double y2, const char* colour, int length), {
    const line = document.createElementNS('http://www.w3.org/2000/svg', 'line');
    line.setAttribute('x1', x1);
    line.setAttribute('y1', y1);
    line.setAttribute('x2', x2);
    line.setAttribute('y2', y2);
    line.setAttribute('stroke', UTF8ToString(colour, length));
    Module.velmoraElements.list[handle].appendChild(line);
});
EM_JS(void, velmora_append_circle, (int handle, double x, double y, double radius, const char* colour, int length), {
    const circle = document.createElementNS('http://www.w3.org/2000/svg', 'circle');
    circle.setAttribute('cx', x);
    circle.setAttribute('cy', y);
    circle.setAttribute('r', radius);
    circle.setAttribute('stroke', UTF8ToString(colour, length));
    circle.setAttribute('fill', 'none');
    Module.velmoraElements.list[handle].appendChild(circle);
});
EM_JS(int, velmora_decimal_separator, (char* to, int size), {
    const parts = new Intl.NumberFormat(navigator.language).formatToParts(1.5);
    const decimal = parts.find((part) => part.type === 'decimal');
    const separator = decimal ? decimal.value : '.';
    stringToUTF8(separator, to, size);
    return lengthBytesUTF8(separator);
});
// clang-format on

namespace velmora::dom {

namespace {

int length(std::string_view text) { return static_cast<int>(text.size()); }

} // namespace

Element::Element(Element&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

Element& Element::operator=(Element&& other) noexcept
{
    if (this != &other) {
        if (exists())
            velmora_release(handle_);
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

Element::~Element()
{
    if (exists())
        velmora_release(handle_);
}

std::string Element::value() const
{
    std::string value(static_cast<std::size_t>(velmora_value_length(handle_)), '\0');
    velmora_copy_value(handle_, value.data(), length(value) + 1);
    return value;
}

void Element::setValue(std::string_view value) { velmora_set(handle_, "value", value.data(), length(value)); }

void Element::setText(std::string_view text)
{
    velmora_set(handle_, "textContent", text.data(), length(text));
}

void Element::setHidden(bool hidden) { velmora_set_hidden(handle_, hidden); }

void Element::setAttribute(std::string_view name, std::string_view value)
{
    velmora_set_attribute(handle_, name.data(), length(name), value.data(), length(value));
}

void Element::removeAttribute(std::string_view name)
{
    velmora_remove_attribute(handle_, name.data(), length(name));
}

void Element::setStyle(std::string_view property, std::string_view value)
{
    velmora_set_style(handle_, property.data(), length(property), value.data(), length(value));
}

bool Element::is(std::string_view property) const
{
    return velmora_is(handle_, property.data(), length(property));
}

void Element::call(std::string_view method) { velmora_call(handle_, method.data(), length(method)); }

void Element::scrollIntoView() { velmora_scroll_into_view(handle_); }

void Element::appendLine(double x1, double y1, double x2, double y2, std::string_view colour)
{
    velmora_append_line(handle_, x1, y1, x2, y2, colour.data(), length(colour));
}

void Element::appendCircle(double x, double y, double radius, std::string_view colour)
{
    velmora_append_circle(handle_, x, y, radius, colour.data(), length(colour));
}

Element byId(std::string_view id) { return Element(velmora_keep(id.data(), length(id))); }

Element focused() { return Element(velmora_keep(nullptr, -1)); }

std::string decimalSeparator()
{
    char separator[16] = {};
    const int needed = velmora_decimal_separator(separator, sizeof separator);
    return needed < int(sizeof separator) ? std::string(separator, static_cast<std::size_t>(needed)) : ".";
}

} // namespace velmora::dom
