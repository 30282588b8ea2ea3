#include "web/layout.h"

#include <string>

namespace velmora {

std::string cssColour(const Rgb& rgb)
{
    return "rgb(" + std::to_string(rgb.red) + ", " + std::to_string(rgb.green) + ", " +
           std::to_string(rgb.blue) + ")";
}

const char* fontClass(ControlFont font)
{
    switch (font) {
    case ControlFont::Interface:
        return "font-interface";
    case ControlFont::Greek:
        return "font-greek";
    case ControlFont::ChartCaption:
        return "font-chart-caption";
    case ControlFont::AboutTitle:
        return "font-about-title";
    case ControlFont::AboutText:
        return "font-about-text";
    }
    return "font-interface";
}

std::string placementCss(int left, int top, int width, int height)
{
    return "left:" + std::to_string(left) + "px;top:" + std::to_string(top) +
           "px;width:" + std::to_string(width) + "px;height:" + std::to_string(height) + "px;";
}

std::string rowCss(const ControlSpec& row, const PixelPlace& place)
{
    std::string css = placementCss(place.x, place.y, place.width, place.height);
    if (row.background)
        css += "background-color:" + cssColour(*row.background) +
               ";color:" + cssColour(row.textColour.value_or(textOnFixedBackground)) + ";";
    return css;
}

std::string rowClasses(std::string_view classes, const ControlSpec& row)
{
    return std::string(classes) + " " + fontClass(row.font);
}

void writeLabel(Markup& markup, const ControlSpec& row, std::string id, const PixelPlace& place,
                Attributes more)
{
    Attributes attributes{{"class", rowClasses("label", row)}, {"id", id}};
    if (!row.visible)
        attributes.push_back({"hidden", ""});
    attributes.insert(attributes.end(), more.begin(), more.end());
    markup.element("span", attributes, row.text);
    markup.style(id, rowCss(row, place));
}

} // namespace velmora
