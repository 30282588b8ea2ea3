#pragma once

// The page's elements as the program uses them, each by its id, through a few plain calls
// of the program's own JavaScript (web/dom.js) rather than embind's, whose type registry
// costs a phone more, while the page opens, than all the program does there. Styles are
// set through an element's style object, never as an attribute, which the page's
// Content-Security-Policy forbids. A call on an element the page lacks does nothing.

#include <string>
#include <string_view>

namespace velmora::dom {

class Element {
public:
    Element() = default; // none
    explicit Element(std::string id);

    // Whether the page has it; the first id it lacks is named in the page.
    [[nodiscard]] bool exists() const;
    // A property as text (value, textContent), or one that is true or false (checked, open).
    [[nodiscard]] std::string get(const char* property) const;
    [[nodiscard]] bool is(const char* property) const { return get(property) == "true"; }
    void set(const char* property, std::string_view text) const;
    void setHidden(bool hidden) const;
    void removeAttribute(const char* name) const;
    void setStyle(const char* property, const std::string& value) const; // CSS's name: background-color
    // A method without arguments: focus, show, showModal, close, replaceChildren.
    void call(const char* method) const;
    // listener(data) runs on each such event of the element, which keeps its default.
    void listen(const char* event, void (*listener)(void*), void* data) const;
    // An SVG line from (a, b) to (c, d), or a circle round (a, b) of radius c, in the SVG's
    // own units; colour as CSS writes it.
    void append(const char* shape, double a, double b, double c, double d, const std::string& colour) const;

private:
    std::string id_;
};

// The separator of the browser's language in 1.5.
[[nodiscard]] std::string decimalSeparator();

} // namespace velmora::dom
