#include "qt/wrappingbutton.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace velmora {

WrappingButton::WrappingButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(textArea, Qt::AlignCenter | Qt::TextWordWrap, palette(), isEnabled(), caption,
                         QPalette::ButtonText);
}

} // namespace velmora
