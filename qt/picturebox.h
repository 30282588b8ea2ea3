#pragma once

#include "chart/pixelsurface.h"

#include <QFrame>
#include <QImage>

namespace velmora {

// The chart's picture box: a sunken frame around a light-yellow drawing area that keeps
// its picture in an off-screen image at the screen's device pixel ratio. The picture
// changes only through the drawing operations, never by itself.
class PictureBox : public QFrame, public PixelSurface {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void clear() override;
    void showCaption() override;

signals:
    // A left click, at a point counted from the drawing area's top left; the caption over
    // the drawing lets its clicks through.
    void clicked(QPointF where);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ensurePicture();
    Area prepareArea() override;
    void paintLine(const PixelSegment& segment, std::optional<Rgb> colour) override;
    void paintCircle(const PixelPoint& centre, double radius, Rgb colour) override;

    QImage picture_;
};

} // namespace velmora
