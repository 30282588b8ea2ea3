#pragma once

// HTML written as text, with a style sheet of rules by id beside it: how the page's
// windows are written from their layout tables when the site is made, so that the page
// arrives with them and its program only binds their behaviour. Writing them in the page
// instead held a phone's main thread for a fifth of a second while it opened. The HTML
// carries no style attribute (the page's Content-Security-Policy forbids them): every
// place and colour is a rule of the style sheet.

#include <string>
#include <string_view>
#include <vector>

namespace velmora {

struct Attribute {
    std::string_view name;
    std::string value;
};
using Attributes = std::vector<Attribute>;

// Text and attribute values are escaped as they are written.
[[nodiscard]] std::string escapedHtml(std::string_view text);

class Markup {
public:
    // <tag attributes…>: an input is whole as it is, any other element needs close().
    void open(std::string_view tag, const Attributes& attributes = {});
    void close(std::string_view tag);
    void text(std::string_view text);
    // <tag attributes…>text</tag>
    void element(std::string_view tag, const Attributes& attributes, std::string_view text = {});
    // The element of this id gets these CSS declarations; within a media query's rule where
    // one is given.
    void style(std::string_view id, std::string_view declarations, std::string_view media = {});

    [[nodiscard]] const std::string& html() const { return html_; }
    // One rule a line: #id { declarations }, or @media (…) { #id { declarations } }
    [[nodiscard]] const std::string& css() const { return css_; }

private:
    std::string html_;
    std::string css_;
};

} // namespace velmora
