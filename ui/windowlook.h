#pragma once

// The windows' look in one place: the colours they fix, their fonts and their icon, and
// the one way a widget is given a fixed background together with the text colour that
// goes with it. Everything not fixed here follows the desktop's theme. The chart's own
// colours stay with the chart (chart/frictionchart.h); the title is one of the system's
// texts (text/systemtexts.h).

#include "chart/drawingsurface.h"

#include <functional>

class QColor;
class QFont;
class QIcon;
class QWidget;

namespace velmora {

inline constexpr Rgb aboutBackground = lightYellow;
inline constexpr Rgb aboutDescription = green;
inline constexpr Rgb aboutAddress = blue;
inline constexpr Rgb inactiveBox = lightGrey;
inline constexpr Rgb activeBox = white;

// Text on a surface whose light background the window fixes. The desktop's text colour
// cannot be used there: a dark colour scheme makes it light, and it would vanish.
inline constexpr Rgb textOnFixedBackground = black;

enum class ControlFont {
    Interface,    // the window's interface font
    Greek,        // the two labels with Greek letters, in a narrow cut of the same sans
    ChartCaption, // the chart's caption: italic sans serif, 8.25 pt
    AboutTitle,   // the About window's description: a Verdana-like sans, 9.75 pt
    AboutText,    // the rest of the About window: the same sans, 8.25 pt
};

// URW's metric twins of Helvetica (close to the classic 8-point dialog font, so every
// caption fits its box) and DejaVu Sans Condensed for the About window.
[[nodiscard]] QFont fontFor(ControlFont font);

// Makes the font files in the program's fonts/ folder, and those in its resources,
// available to it. Windows has none of the fonts above, so the Windows program carries
// them in that folder, and the browser none at all, so the page carries them inside; a
// Linux installation takes them from the system. Call once the application exists: the
// program adds those of the opening window first and the rest after its first frame.
enum class BundledFonts { OpeningWindow, Rest, All };
void addBundledFonts(BundledFonts which = BundledFonts::All);

// Velmora's icon, for the title bars of both windows: the sizes up to 64 pixels.
[[nodiscard]] QIcon applicationIcon();
// Runs the work once the window's first frame is out: for what the opening window does
// not show, which would otherwise hold that frame back.
void afterFirstFrame(QWidget& window, std::function<void()> work);
// Gives the window that icon after its first frame.
void setIconAfterFirstFrame(QWidget& window);

[[nodiscard]] QColor toQColor(const Rgb& rgb);

// The two kinds of surface a fixed background is given to: a window, frame or label
// (colour roles Window and WindowText), or a text box (Base and Text).
enum class Surface { Window, TextBox };

// Fixes the surface's background and, with it, the text colour drawn on it; every other
// colour keeps following the desktop's scheme.
void setFixedColours(QWidget& widget, Surface surface, const Rgb& background,
                     const Rgb& text = textOnFixedBackground);

} // namespace velmora
