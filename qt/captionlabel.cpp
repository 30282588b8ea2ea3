#include "qt/captionlabel.h"

#include <QMouseEvent>

namespace velmora {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void CaptionLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }
void CaptionLabel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }
void CaptionLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

} // namespace velmora
