#include "ui/fixedcolours.h"

#include <QPalette>
#include <QWidget>

namespace velmora {

QColor toQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void setFixedColours(QWidget& widget, Surface surface, const Rgb& background, const Rgb& text)
{
    const bool isWindow = surface == Surface::Window;
    QPalette palette = widget.palette();
    palette.setColor(isWindow ? QPalette::Window : QPalette::Base, toQColor(background));
    palette.setColor(isWindow ? QPalette::WindowText : QPalette::Text, toQColor(text));
    widget.setPalette(palette);
    if (isWindow)
        widget.setAutoFillBackground(true);
}

} // namespace velmora
