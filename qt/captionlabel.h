#pragma once

#include <QLabel>

namespace velmora {

// A label that keeps the mouse clicks it receives, where a plain QLabel hands them on
// to its parent: a click on the chart's caption must not count as a click on the chart.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace velmora
