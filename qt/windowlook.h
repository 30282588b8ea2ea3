#pragma once

// The windows' look on the desktop: the fonts of the layout's roles, the icon, and the one
// way a widget is given a fixed background together with the text colour that goes with
// it. Everything not fixed in ui/look.h follows the desktop's theme.

#include "ui/look.h"

class QColor;
class QFont;
class QIcon;
class QWidget;

namespace velmora {

// URW's metric twins of Helvetica (close to the classic 8-point dialog font, so every
// caption fits its box) and DejaVu Sans Condensed for the About window.
[[nodiscard]] QFont fontFor(ControlFont font);

// Makes the font files in the program's fonts/ folder available to it. Windows has none
// of the fonts above, so the Windows program carries them in that folder; a Linux
// installation takes them from the system. Call once the application exists: the
// program adds those of the opening window first and the rest after its first frame.
enum class BundledFonts { OpeningWindow, Rest, All };
void addBundledFonts(BundledFonts which = BundledFonts::All);

// Velmora's icon, for the title bars of both windows: the sizes up to 64 pixels.
[[nodiscard]] QIcon applicationIcon();
// Gives the window that icon after its first frame, which decoding it would hold back.
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
