#pragma once

// The page's elements as the program uses them, each by its id, through a few plain calls
// of the program's own JavaScript (web/dom.js) rather than embind's, whose type registry
// costs a phone more, while the page opens, than all the program does there. Styles are
// set through an element's style object, never as an attribute, which the page's
// Content-Security-Policy forbids. A call on an element the page lacks does nothing.

#include <string>
#include <utility>

namespace velmora::dom {

extern "C" {
int velmora_has(const char* id);
int velmora_get(const char* id, const char* property, char* to, int size);
int velmora_is(const char* id, const char* property);
void velmora_set(const char* id, int what, const char* name, const char* value);
void velmora_call(const char* id, const char* method);
void velmora_listen(const char* id, const char* event, void (*listener)(void*), void* data);
void velmora_append(const char* id, const char* tag, double a, double b, double c, double d,
                    const char* colour);
}

class Element {
public:
    Element() = default; // none
    explicit Element(std::string id) : id_(std::move(id)) {}

    // Whether the page has it; the first id it lacks is named in the page.
    [[nodiscard]] bool exists() const { return !id_.empty() && velmora_has(id_.c_str()); }

    // A property as text (value, textContent), or one that is true or false (checked, open).
    [[nodiscard]] std::string get(const std::string& property) const;
    [[nodiscard]] bool is(const std::string& property) const
    {
        return velmora_is(id_.c_str(), property.c_str());
    }
    void set(const std::string& property, const std::string& text) { change(0, property, text.c_str()); }
    void setFlag(const std::string& property, bool flag) { change(1, property, flag ? "" : nullptr); }
    void setAttribute(const std::string& name, const std::string& value) { change(2, name, value.c_str()); }
    void removeAttribute(const std::string& name) { change(2, name, nullptr); }
    // property is CSS's name: background-color.
    void setStyle(const std::string& property, const std::string& value)
    {
        change(3, property, value.c_str());
    }
    // A method without arguments: focus, show, showModal, close, replaceChildren.
    void call(const std::string& method) { velmora_call(id_.c_str(), method.c_str()); }
    // listener(data) runs on each such event of the element, which keeps its default.
    void listen(const std::string& event, void (*listener)(void*), void* data)
    {
        velmora_listen(id_.c_str(), event.c_str(), listener, data);
    }
    // SVG children, in the SVG's own units; colour as CSS writes it.
    void appendLine(double x1, double y1, double x2, double y2, const std::string& colour)
    {
        velmora_append(id_.c_str(), "line", x1, y1, x2, y2, colour.c_str());
    }
    void appendCircle(double x, double y, double r, const std::string& colour)
    {
        velmora_append(id_.c_str(), "circle", x, y, r, 0.0, colour.c_str());
    }

    [[nodiscard]] std::string value() const { return get("value"); }
    void setValue(const std::string& value) { set("value", value); }
    void setText(const std::string& text) { set("textContent", text); }
    void setHidden(bool hidden) { setFlag("hidden", hidden); }

private:
    void change(int what, const std::string& name, const char* value)
    {
        velmora_set(id_.c_str(), what, name.c_str(), value);
    }

    std::string id_;
};

inline Element byId(std::string id) { return Element(std::move(id)); }
// The element that has the keyboard's focus, if it has an id.
[[nodiscard]] Element focused();
// The separator of the browser's language in 1.5.
[[nodiscard]] std::string decimalSeparator();

} // namespace velmora::dom
