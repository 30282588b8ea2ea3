#include "web/dom.h"

extern "C" void velmora_decimal_separator(char* to, int size);

namespace velmora::dom {

namespace {

// The text of a property of the element of id, or of the focused element without one.
std::string textOf(const char* id, const std::string& property)
{
    std::string text(64, '\0');
    int needed = velmora_get(id, property.c_str(), text.data(), int(text.size()));
    if (needed > int(text.size())) {
        text.resize(std::size_t(needed));
        needed = velmora_get(id, property.c_str(), text.data(), needed);
    }
    text.resize(std::size_t(needed - 1));
    return text;
}

} // namespace

std::string Element::get(const std::string& property) const { return textOf(id_.c_str(), property); }

Element focused() { return Element(textOf(nullptr, "id")); }

std::string decimalSeparator()
{
    char separator[16] = {};
    velmora_decimal_separator(separator, sizeof separator);
    return separator[0] ? separator : ".";
}

} // namespace velmora::dom
