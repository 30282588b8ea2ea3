#pragma once

// The page's elements as the program uses them: each found once (by id, or as the one that
// has focus) and held as an Element, which calls straight into the page. The calls are
// plain functions of the program's JavaScript rather than embind's: its type registry and
// generic calls cost a phone more, while the page opens, than all the program does there.
// Styles are set through an element's style object, never as an attribute: the page's
// Content-Security-Policy forbids inline style attributes.

#include <string>
#include <string_view>

namespace velmora::dom {

class Element {
public:
    Element() = default; // none
    Element(Element&& other) noexcept;
    Element& operator=(Element&& other) noexcept;
    Element(const Element&) = delete;
    Element& operator=(const Element&) = delete;
    ~Element();

    [[nodiscard]] bool exists() const { return handle_ >= 0; }

    // A text input's value.
    [[nodiscard]] std::string value() const;
    void setValue(std::string_view value);
    void setText(std::string_view text);
    void setHidden(bool hidden);
    void setAttribute(std::string_view name, std::string_view value);
    void removeAttribute(std::string_view name);
    // property is CSS's name: background-color.
    void setStyle(std::string_view property, std::string_view value);
    // A property that is true or false: checked, open.
    [[nodiscard]] bool is(std::string_view property) const;
    // A method without arguments: focus, show, showModal, close, replaceChildren.
    void call(std::string_view method);
    // Scrolls the page as little as it takes to show the element whole.
    void scrollIntoView();
    // SVG children, in the SVG's own units; colour as CSS writes it.
    void appendLine(double x1, double y1, double x2, double y2, std::string_view colour);
    void appendCircle(double x, double y, double radius, std::string_view colour);

private:
    friend Element byId(std::string_view id);
    friend Element focused();
    explicit Element(int handle) : handle_(handle) {}

    int handle_ = -1;
};

// None when the page has no element of that id.
[[nodiscard]] Element byId(std::string_view id);
// The element that has the keyboard's focus, if any.
[[nodiscard]] Element focused();

// The separator of the browser's language in 1.5.
[[nodiscard]] std::string decimalSeparator();

} // namespace velmora::dom
