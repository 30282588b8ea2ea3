#include "ui/controltable.h"

#include "chart/frictionchart.h"
#include "text/systemtexts.h"

#include <array>
#include <initializer_list>

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

// The section and the duct side by side, each read down: its inputs, its button, then its
// results, one row every 360 twips; captions stand left of their boxes. Results take the
// focus too, so that the keyboard and a screen reader reach them in that order.
// clang-format off
constexpr std::array problemsControls{
    ControlSpec{"Label_gama",        Kind::Label,                     "",            "γ =",                  120,  180,  375,  255,  30},
    ControlSpec{"Text_gama",         ProblemsBox::Text_gama,          "",            initialGamaText,        480,  150,  615,  285,  0},
    ControlSpec{"Frame_Known",       Kind::Frame,                     "",            "From one known quantity", 120, 600, 3960, 4740, 24},
    ControlSpec{"Label_Known",       Kind::Label,                     "Frame_Known", "Known quantity",       120,  390,  1455, 255,  31},
    ControlSpec{"Combo_Known",       Choice::Combo_Known,             "Frame_Known", "",                     1680, 345,  2160, 315,  1},
    ControlSpec{"Label_KnownValue",  Kind::Label,                     "Frame_Known", "Known value",          120,  750,  1455, 255,  32},
    ControlSpec{"Text_Known",        ProblemsBox::Text_Known,         "Frame_Known", "",                     1680, 720,  1095, 285,  2},
    ControlSpec{"Command_Solve",     ProblemsButton::Command_Solve,   "Frame_Known", "Solve",                1680, 1200, 1095, 375,  3},
    ControlSpec{"Label_M",           Kind::Label,                     "Frame_Known", "M",                    120,  1770, 1455, 255,  33},
    ControlSpec{"Text_M",            ProblemsBox::Text_M,             "Frame_Known", "",                     1680, 1740, 1095, 285,  4},
    ControlSpec{"Label_FLD4",        Kind::Label,                     "Frame_Known", "4fL*/D",               120,  2130, 1455, 255,  34},
    ControlSpec{"Text_FLD4",         ProblemsBox::Text_FLD4,          "Frame_Known", "",                     1680, 2100, 1095, 285,  5},
    ControlSpec{"Label_TTstar",      Kind::Label,                     "Frame_Known", "T/T*",                 120,  2490, 1455, 255,  35},
    ControlSpec{"Text_TTstar",       ProblemsBox::Text_TTstar,        "Frame_Known", "",                     1680, 2460, 1095, 285,  6},
    ControlSpec{"Label_PPstar",      Kind::Label,                     "Frame_Known", "p/p*",                 120,  2850, 1455, 255,  36},
    ControlSpec{"Text_PPstar",       ProblemsBox::Text_PPstar,        "Frame_Known", "",                     1680, 2820, 1095, 285,  7},
    ControlSpec{"Label_RoRostar",    Kind::Label,                     "Frame_Known", "ρ/ρ*",                 120,  3210, 1455, 255,  37},
    ControlSpec{"Text_RoRostar",     ProblemsBox::Text_RoRostar,      "Frame_Known", "",                     1680, 3180, 1095, 285,  8},
    ControlSpec{"Label_VVstar",      Kind::Label,                     "Frame_Known", "V/V*",                 120,  3570, 1455, 255,  38},
    ControlSpec{"Text_VVstar",       ProblemsBox::Text_VVstar,        "Frame_Known", "",                     1680, 3540, 1095, 285,  9},
    ControlSpec{"Label_PoPostar",    Kind::Label,                     "Frame_Known", "p0/p0*",               120,  3930, 1455, 255,  39},
    ControlSpec{"Text_PoPostar",     ProblemsBox::Text_PoPostar,      "Frame_Known", "",                     1680, 3900, 1095, 285,  10},
    ControlSpec{"Label_Entropy",     Kind::Label,                     "Frame_Known", "(s*-s)/R",             120,  4290, 1455, 255,  40},
    ControlSpec{"Text_Entropy",      ProblemsBox::Text_Entropy,       "Frame_Known", "",                     1680, 4260, 1095, 285,  11},
    ControlSpec{"Frame_Duct",        Kind::Frame,                     "",            "Duct",                 4200, 600,  3480, 4740, 25},
    ControlSpec{"Label_M1",          Kind::Label,                     "Frame_Duct",  "Inlet Mach number M1", 120,  390,  1935, 255,  41},
    ControlSpec{"Text_M1",           ProblemsBox::Text_M1,            "Frame_Duct",  "",                     2160, 360,  1095, 285,  12},
    ControlSpec{"Label_FLD4duct",    Kind::Label,                     "Frame_Duct",  "Duct 4fL/D",           120,  750,  1935, 255,  42},
    ControlSpec{"Text_FLD4duct",     ProblemsBox::Text_FLD4duct,      "Frame_Duct",  "",                     2160, 720,  1095, 285,  13},
    ControlSpec{"Command_SolveDuct", ProblemsButton::Command_SolveDuct, "Frame_Duct", "Solve duct",          2160, 1200, 1095, 375,  14},
    ControlSpec{"Label_M2",          Kind::Label,                     "Frame_Duct",  "M2",                   120,  1770, 1935, 255,  43},
    ControlSpec{"Text_M2",           ProblemsBox::Text_M2,            "Frame_Duct",  "",                     2160, 1740, 1095, 285,  15},
    ControlSpec{"Label_P2P1",        Kind::Label,                     "Frame_Duct",  "p2/p1",                120,  2130, 1935, 255,  44},
    ControlSpec{"Text_P2P1",         ProblemsBox::Text_P2P1,          "Frame_Duct",  "",                     2160, 2100, 1095, 285,  16},
    ControlSpec{"Label_T2T1",        Kind::Label,                     "Frame_Duct",  "T2/T1",                120,  2490, 1935, 255,  45},
    ControlSpec{"Text_T2T1",         ProblemsBox::Text_T2T1,          "Frame_Duct",  "",                     2160, 2460, 1095, 285,  17},
    ControlSpec{"Label_Ro2Ro1",      Kind::Label,                     "Frame_Duct",  "ρ2/ρ1",                120,  2850, 1935, 255,  46},
    ControlSpec{"Text_Ro2Ro1",       ProblemsBox::Text_Ro2Ro1,        "Frame_Duct",  "",                     2160, 2820, 1095, 285,  18},
    ControlSpec{"Label_V2V1",        Kind::Label,                     "Frame_Duct",  "V2/V1",                120,  3210, 1935, 255,  47},
    ControlSpec{"Text_V2V1",         ProblemsBox::Text_V2V1,          "Frame_Duct",  "",                     2160, 3180, 1095, 285,  19},
    ControlSpec{"Label_Po2Po1",      Kind::Label,                     "Frame_Duct",  "p02/p01",              120,  3570, 1935, 255,  48},
    ControlSpec{"Text_Po2Po1",       ProblemsBox::Text_Po2Po1,        "Frame_Duct",  "",                     2160, 3540, 1095, 285,  20},
    ControlSpec{"Label_EntropyRise", Kind::Label,                     "Frame_Duct",  "(s2-s1)/R",            120,  3930, 1935, 255,  49},
    ControlSpec{"Text_EntropyRise",  ProblemsBox::Text_EntropyRise,   "Frame_Duct",  "",                     2160, 3900, 1095, 285,  21},
    ControlSpec{"Label_FLD4longest", Kind::Label,                     "Frame_Duct",  "Longest duct 4fL*/D",  120,  4290, 1935, 255,  50},
    ControlSpec{"Text_FLD4longest",  ProblemsBox::Text_FLD4longest,   "Frame_Duct",  "",                     2160, 4260, 1095, 285,  22},
    ControlSpec{"Picture1",          ProblemsPicture::Picture1,       "",            "",                     120,  5460, 7560, 2655, 23},
    ControlSpec{"Label8",            Kind::Label,                     "Picture1",    "4 f L*/D",             120,  120,  615,  255,  51, false, caption, std::nullopt, chartBackground},
};
// clang-format on

constexpr KnownQuantityEntry knownEntries[] = {
    {"M", KnownQuantity::M},
    {"4fL*/D, subsonic", KnownQuantity::FLD4Subsonic},
    {"4fL*/D, supersonic", KnownQuantity::FLD4Supersonic},
    {"T/T*", KnownQuantity::TTstar},
    {"p/p*", KnownQuantity::PPstar},
    {"ρ/ρ*", KnownQuantity::RoRostar},
    {"V/V*", KnownQuantity::VVstar},
    {"p0/p0*, subsonic", KnownQuantity::PoPostarSubsonic},
    {"p0/p0*, supersonic", KnownQuantity::PoPostarSupersonic},
    {"(s*-s)/R, subsonic", KnownQuantity::EntropySubsonic},
    {"(s*-s)/R, supersonic", KnownQuantity::EntropySupersonic},
};

// A text colour is fixed only together with the background it is chosen for.
constexpr bool coloursComeInPairs(std::span<const ControlSpec> table)
{
    for (const ControlSpec& entry : table)
        if (entry.textColour && !entry.background)
            return false;
    return true;
}
static_assert(coloursComeInPairs(mainControls) && coloursComeInPairs(aboutControls) &&
              coloursComeInPairs(problemsControls));

} // namespace

std::span<const ControlSpec> mainWindowControls() { return mainControls; }
std::span<const ControlSpec> aboutWindowControls() { return aboutControls; }
std::span<const ControlSpec> problemsWindowControls() { return problemsControls; }
std::span<const KnownQuantityEntry> knownQuantityEntries() { return knownEntries; }

std::string_view nameOf(const Control& control)
{
    // The identities of the two windows differ, though some names repeat.
    for (const std::span<const ControlSpec> table : {mainWindowControls(), problemsWindowControls()})
        for (const ControlSpec& row : table)
            if (row.builds.control == control)
                return row.name;
    return {};
}

} // namespace velmora
