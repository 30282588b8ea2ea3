#include "web/markup.h"

namespace velmora {

std::string escapedHtml(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

void Markup::open(std::string_view tag, const Attributes& attributes)
{
    html_ += '<';
    html_ += tag;
    for (const Attribute& attribute : attributes) {
        html_ += ' ';
        html_ += attribute.name;
        html_ += "=\"";
        html_ += escapedHtml(attribute.value);
        html_ += '"';
    }
    html_ += '>';
}

void Markup::close(std::string_view tag)
{
    html_ += "</";
    html_ += tag;
    html_ += '>';
}

void Markup::text(std::string_view text) { html_ += escapedHtml(text); }

void Markup::element(std::string_view tag, const Attributes& attributes, std::string_view text)
{
    open(tag, attributes);
    this->text(text);
    close(tag);
}

void Markup::style(std::string_view id, std::string_view declarations, std::string_view media)
{
    if (!media.empty()) {
        css_ += media;
        css_ += " { ";
    }
    css_ += '#';
    css_ += id;
    css_ += " { ";
    css_ += declarations;
    css_ += media.empty() ? " }\n" : " } }\n";
}

} // namespace velmora
