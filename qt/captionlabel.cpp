#include "qt/captionlabel.h"

namespace velmora {

CaptionLabel::CaptionLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

} // namespace velmora
