#pragma once

#include "chart/drawingsurface.h"
#include "chart/userscale.h"

#include <QFrame>
#include <QImage>

namespace velmora {

// The chart's picture box: a sunken frame around a light-yellow drawing area that keeps
// its picture in an off-screen image at the screen's device pixel ratio. The picture
// changes only through the drawing operations, never by itself.
class PictureBox : public QFrame, public DrawingSurface {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void clear() override;
    void setScale(float x1, float y1, float x2, float y2) override;
    void line(float x1, float y1, float x2, float y2, std::optional<Rgb> colour) override;
    void circle(float x, float y, float radius, Rgb colour) override;
    void showCaption() override;

signals:
    // A left click on the drawing area itself (the caption keeps its own clicks).
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ensurePicture();
    [[nodiscard]] PixelRect paintableArea() const;

    QImage picture_;
    float scaleCorners_[4] = {0.0f, 0.0f, 1.0f, 1.0f};
    UserScale scale_;
};

} // namespace velmora
