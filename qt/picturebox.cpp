#include "qt/picturebox.h"

#include "chart/frictionchart.h"
#include "qt/accessiblerole.h"
#include "qt/captionlabel.h"
#include "qt/windowlook.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace velmora {

namespace {

// One logical pixel wide, so the lines keep their weight on high-density screens.
QPen thinPen(const QColor& colour) { return QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap); }

// Lines along a pixel row or column are moved so that they cover whole device pixels,
// which keeps the axes and the grid crisp; slanted lines are left to antialiasing. A line
// on the far edge (the grid line at M = 5) goes on the last pixel instead of just beyond.
PixelSegment alignedToPixels(PixelSegment s, QSizeF area, double devicePixelRatio)
{
    const auto centre = [devicePixelRatio](double v, double extent) {
        const double lastPixel = std::floor((extent - 1.0) * devicePixelRatio);
        const double pixel = std::clamp(std::floor(v * devicePixelRatio), 0.0, lastPixel);
        return (pixel + devicePixelRatio / 2.0) / devicePixelRatio;
    };
    if (s.from.x == s.to.x)
        s.from.x = s.to.x = centre(s.from.x, area.width());
    if (s.from.y == s.to.y)
        s.from.y = s.to.y = centre(s.from.y, area.height());
    return s;
}

} // namespace

PictureBox::PictureBox(QWidget* parent) : QFrame(parent)
{
    presentWithRole<PictureBox, QAccessible::Chart>();

    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
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
    setScale(scaleCorners_[0], scaleCorners_[1], scaleCorners_[2], scaleCorners_[3]);
}

void PictureBox::clear()
{
    ensurePicture();
    picture_.fill(toQColor(chartBackground));
    update();
}

void PictureBox::setScale(float x1, float y1, float x2, float y2)
{
    scaleCorners_[0] = x1;
    scaleCorners_[1] = y1;
    scaleCorners_[2] = x2;
    scaleCorners_[3] = y2;
    const QSize area = contentsRect().size();
    scale_ = UserScale(x1, y1, x2, y2, area.width(), area.height());
}

PixelRect PictureBox::paintableArea() const
{
    // A little beyond the drawing area, so a line's end on an edge is still drawn whole.
    const QSize area = contentsRect().size();
    return {-2.0, -2.0, area.width() + 2.0, area.height() + 2.0};
}

void PictureBox::line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour)
{
    ensurePicture();
    const auto visible = clipSegment({scale_.toPixels(x1, y1), scale_.toPixels(x2, y2)}, paintableArea());
    if (!visible)
        return;
    const PixelSegment s = alignedToPixels(*visible, contentsRect().size(), picture_.devicePixelRatio());
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(thinPen(colour ? toQColor(*colour) : palette().color(QPalette::WindowText)));
    painter.drawLine(QPointF(s.from.x, s.from.y), QPointF(s.to.x, s.to.y));
    update();
}

void PictureBox::circle(float x, float y, float radius, Rgb colour)
{
    ensurePicture();
    const PixelPoint centre = scale_.toPixels(x, y);
    const double r = scale_.horizontalPixels(radius);
    const PixelRect area = paintableArea();
    if (!std::isfinite(centre.x) || !std::isfinite(centre.y) || !std::isfinite(r) ||
        centre.x + r < area.left || centre.x - r > area.right || centre.y + r < area.top ||
        centre.y - r > area.bottom)
        return;
    QPainter painter(&picture_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(thinPen(toQColor(colour)));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(centre.x, centre.y), r, r);
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
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

} // namespace velmora
