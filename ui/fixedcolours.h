#pragma once

#include "chart/drawingsurface.h"

#include <QColor>

class QWidget;

namespace velmora {

[[nodiscard]] QColor toQColor(const Rgb& rgb);

// Text on a surface whose light background the window fixes. The desktop's text colour
// cannot be used there: a dark colour scheme makes it light, and it would vanish.
inline constexpr Rgb textOnFixedBackground{0, 0, 0};

// The two kinds of surface a fixed background is given to: a window, frame or label
// (colour roles Window and WindowText), or a text box (Base and Text).
enum class Surface { Window, TextBox };

// Fixes the surface's background and, with it, the text colour drawn on it; every other
// colour keeps following the desktop's scheme.
void setFixedColours(QWidget& widget, Surface surface, const Rgb& background,
                     const Rgb& text = textOnFixedBackground);

} // namespace velmora
