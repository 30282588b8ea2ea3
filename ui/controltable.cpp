#include "ui/controltable.h"

#include "chart/frictionchart.h"
#include "text/systemtexts.h"

#include <array>

namespace velmora {

namespace {

using Kind = ControlKind;
constexpr auto greek = ControlFont::Greek;
constexpr auto caption = ControlFont::ChartCaption;

// The γ and ρ labels carry their Greek letters as Unicode text; their boxes are narrow,
// so they use the narrow cut of the interface font.
// clang-format off
constexpr std::array mainControls{
    ControlSpec{"Command1",       Button::Command1,      "",         "Coose an Input Option", 120,  2280, 1335, 615,  22},
    ControlSpec{"Frame3",         Kind::Frame,           "",         "",                      120,  240,  1335, 615,  12},
    ControlSpec{"Text_gama",      Box::Text_gama,        "Frame3",   initialGamaText,         480,  240,  495,  285,  13},
    ControlSpec{"Label_gama",     Kind::Label,           "Frame3",   "γ =",                   120,  240,  495,  255,  14, true, greek},
    ControlSpec{"Frame2",         Kind::Frame,           "",         "Input options",         120,  960,  1335, 1215, 11},
    ControlSpec{"Option_FLD4",    Option::Option_FLD4,   "Frame2",   "4 f L*/D ",             240,  840,  975,  255,  21},
    ControlSpec{"Option_M",       Option::Option_M,      "Frame2",   "M",                     240,  360,  615,  255,  20},
    ControlSpec{"Picture1",       Picture::Picture1,     "",         "",                      120,  3120, 3735, 2655, 9},
    ControlSpec{"Label8",         Kind::Label,           "Picture1", "4 f L*/D",              120,  120,  615,  255,  10, false, caption, std::nullopt, chartBackground},
    ControlSpec{"Frame1",         Kind::Frame,           "",         "",                      1680, 240,  2175, 2655, 0},
    ControlSpec{"Text_Msub",      Box::Text_Msub,        "Frame1",   "1.153",                 600,  360,  615,  285,  17},
    ControlSpec{"Text_Msup",      Box::Text_Msup,        "Frame1",   "",                      1200, 360,  615,  285,  16, false},
    ControlSpec{"Text_FLD4",      Box::Text_FLD4,        "Frame1",   "1",                     1200, 720,  615,  285,  15},
    ControlSpec{"Text_PoPostar",  Box::Text_PoPostar,    "Frame1",   "1",                     1200, 2160, 615,  285,  4},
    ControlSpec{"Text_RoRostar",  Box::Text_RoRostar,    "Frame1",   "1",                     1200, 1800, 615,  285,  3},
    ControlSpec{"Text_PPstar",    Box::Text_PPstar,      "Frame1",   "1",                     1200, 1440, 615,  285,  2},
    ControlSpec{"Text_TTstar",    Box::Text_TTstar,      "Frame1",   "1",                     1200, 1080, 615,  285,  1},
    ControlSpec{"Label_M",        Label::Label_M,        "Frame1",   "M =",                   240,  360,  375,  255,  19},
    ControlSpec{"Label_FLD4",     Label::Label_FLD4,     "Frame1",   "4 f L*/D =",            240,  720,  855,  255,  18},
    ControlSpec{"Label_PoPoStar", Label::Label_PoPoStar, "Frame1",   "Po/Po*=",               240,  2160, 735,  255,  8},
    ControlSpec{"Label_RoRoStar", Label::Label_RoRoStar, "Frame1",   "ρ/ρ*    =",             240,  1800, 495,  255,  7, true, greek},
    ControlSpec{"Label_PPstar",   Label::Label_PPstar,   "Frame1",   "p/p*  =",               240,  1440, 495,  255,  6},
    ControlSpec{"Label_TTstar",   Label::Label_TTstar,   "Frame1",   "T/T*  =",               240,  1080, 615,  255,  5},
};
// clang-format on

constexpr auto title = ControlFont::AboutTitle;
constexpr auto text = ControlFont::AboutText;
constexpr std::optional<Rgb> defaultColour;
constexpr Rgb yellow = aboutBackground;

// Listed from top to bottom; labels take no focus, so their tab indices do nothing.
// clang-format off
constexpr std::array aboutControls{
    ControlSpec{"Label2", Kind::Label, "", "Program for Calculating",              600,  120,  2295, 255, 0, true, title, aboutDescription, yellow},
    ControlSpec{"Label3", Kind::Label, "", "1D Frictional Flow Properties",        360,  360,  2895, 255, 1, true, title, aboutDescription, yellow},
    ControlSpec{"Label7", Kind::Label, "", "Written by the Velmora authors",       600,  600,  2775, 255, 4, true, text,  defaultColour,    yellow},
    ControlSpec{"Label8", Kind::Label, "", "March 2006",                           1320, 840,  1095, 255, 5, true, text,  defaultColour,    yellow},
    ControlSpec{"Label4", Kind::Label, "", "For comments and questions e-mail to", 120,  1080, 3375, 255, 2, true, text,  defaultColour,    yellow},
    ControlSpec{"Label5", Kind::Label, "", VELMORA_CONTACT,                        840,  1320, 1935, 255, 3, true, text,  aboutAddress,     yellow},
};
// clang-format on

// A text colour is fixed only together with the background it is chosen for.
constexpr bool coloursComeInPairs(std::span<const ControlSpec> table)
{
    for (const ControlSpec& entry : table)
        if (entry.textColour && !entry.background)
            return false;
    return true;
}
static_assert(coloursComeInPairs(mainControls) && coloursComeInPairs(aboutControls));

} // namespace

std::span<const ControlSpec> mainWindowControls() { return mainControls; }
std::span<const ControlSpec> aboutWindowControls() { return aboutControls; }

std::string_view nameOf(const Control& control)
{
    for (const ControlSpec& row : mainControls)
        if (row.builds.control == control)
            return row.name;
    return {};
}

} // namespace velmora
