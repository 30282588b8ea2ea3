#include "web/dom.h"

#include <cstdlib>
#include <memory>
#include <utility>

// web/dom.js
extern "C" {
int velmora_has(const char* id);
char* velmora_get(const char* id, const char* property);
void velmora_set(const char* id, int what, const char* name, const char* value);
void velmora_call(const char* id, const char* method);
void velmora_listen(const char* id, const char* event, void (*listener)(void*), void* data);
void velmora_append(const char* id, const char* shape, double a, double b, double c, double d,
                    const char* colour);
char* velmora_decimal_separator();
}

namespace velmora::dom {

namespace {

enum What { Property, Flag, Attribute, Style }; // as velmora_set reads it

std::string taken(char* text) { return std::unique_ptr<char, decltype(&std::free)>(text, &std::free).get(); }

} // namespace

Element::Element(std::string id) : id_(std::move(id)) {}
bool Element::exists() const { return !id_.empty() && velmora_has(id_.c_str()); }
std::string Element::get(const char* property) const { return taken(velmora_get(id_.c_str(), property)); }
void Element::set(const char* property, std::string_view text) const
{
    velmora_set(id_.c_str(), Property, property, std::string(text).c_str());
}
void Element::setHidden(bool hidden) const
{
    velmora_set(id_.c_str(), Flag, "hidden", hidden ? "" : nullptr);
}
void Element::removeAttribute(const char* name) const { velmora_set(id_.c_str(), Attribute, name, nullptr); }
void Element::setStyle(const char* property, const std::string& value) const
{
    velmora_set(id_.c_str(), Style, property, value.c_str());
}
void Element::call(const char* method) const { velmora_call(id_.c_str(), method); }
void Element::listen(const char* event, void (*listener)(void*), void* data) const
{
    velmora_listen(id_.c_str(), event, listener, data);
}
void Element::append(const char* shape, double a, double b, double c, double d,
                     const std::string& colour) const
{
    velmora_append(id_.c_str(), shape, a, b, c, d, colour.c_str());
}

std::string decimalSeparator() { return taken(velmora_decimal_separator()); }

} // namespace velmora::dom
