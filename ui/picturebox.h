#pragma once

#include <QFrame>

namespace velmora {

// The chart's picture box: a sunken frame around a light-yellow drawing area.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

signals:
    // A left click on the drawing area itself (not on a child such as the caption).
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace velmora
