#pragma once

#include <QLabel>

namespace velmora {

// The label over the chart's drawing: it lets the mouse through to the picture box, whose
// click handler knows where the caption lies and what a click on it does.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit CaptionLabel(const QString& text, QWidget* parent = nullptr);
};

} // namespace velmora
