#include "qt/picturebox.h"

#include "chart/frictionchart.h"
#include "qt/accessiblerole.h"
#include "qt/captionlabel.h"
#include "qt/windowlook.h"
#include "ui/placement.h"

#include <QMouseEvent>
#include <QPainter>

namespace velmora {

namespace {

// One logical pixel wide, so the lines keep their weight on high-density screens.
QPen thinPen(const QColor& colour) { return QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap); }

} // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    presentWithRole<PictureBox, QAccessible::Chart>();

    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(pictureBorder);
    setFocusPolicy(Qt::StrongFocus);
    setFixedColours(*this, Surface::Window, chartBackground, chartForeground);
}

void PictureBox::ensurePicture()
{
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = contentsRect().size() * ratio;
    if (picture_.size() == pixels && picture_.devicePixelRatio() == ratio)
        return;
    // On a screen of another density the picture so far is carried over, not lost.
    QImage picture(pixels, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(ratio);
    picture.fill(toQColor(chartBackground));
    if (!picture_.isNull()) {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(QPointF(0, 0), contentsRect().size()), picture_);
    }
    picture_ = picture;
}

void PictureBox::clear()
{
    ensurePicture();
    picture_.fill(toQColor(chartBackground));
    update();
}

// A little beyond the drawing area, so that a line's end on an edge is still painted whole.
PixelSurface::Area PictureBox::prepareArea()
{
    ensurePicture();
    const QSize area = contentsRect().size();
    return {double(area.width()), double(area.height()), picture_.devicePixelRatio(), 2.0};
}

void PictureBox::paintLine(const PixelSegment& s, std::optional<Rgb> colour)
{
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(thinPen(colour ? toQColor(*colour) : palette().color(QPalette::WindowText)));
    painter.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
    update();
}

void PictureBox::paintCircle(const PixelPoint& centre, double radius, Rgb colour)
{
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(thinPen(toQColor(colour)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(centre.x, centre.y), radius, radius);
    update();
}

void PictureBox::showCaption()
{
    for (auto* caption : findChildren<CaptionLabel*>(Qt::FindDirectChildrenOnly))
        caption->show();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(contentsRect().topLeft(), picture_);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(event->position() - QPointF(contentsRect().topLeft()));
    QFrame::mouseReleaseEvent(event);
}

} // namespace velmora
