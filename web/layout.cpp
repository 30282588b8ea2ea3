#include "web/layout.h"

#include "web/dom.h"

#include <string>

namespace velmora {

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

void placeAndStyle(const emscripten::val& element, const ControlSpec& row, int originX, int originY)
{
    dom::place(element, originX + pixelsFromTwips(row.left), originY + pixelsFromTwips(row.top),
               pixelsFromTwips(row.width), pixelsFromTwips(row.height));
    element["classList"].call<void>("add", std::string(fontClass(row.font)));
    if (row.background) {
        element["style"].set("backgroundColor", dom::colour(*row.background));
        element["style"].set("color", dom::colour(row.textColour.value_or(textOnFixedBackground)));
    }
}

emscripten::val makeLabel(const ControlSpec& row, int originX, int originY)
{
    emscripten::val label = dom::element("span", "label");
    dom::setText(label, std::string(row.text));
    placeAndStyle(label, row, originX, originY);
    dom::setHidden(label, !row.visible);
    return label;
}

} // namespace velmora
