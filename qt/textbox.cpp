#include "qt/textbox.h"

#include <QMouseEvent>

#include <limits>

namespace velmora {

TextBox::TextBox(const QString& text, QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(std::numeric_limits<int>::max());
    setText(text);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The toolkit's own handling first: it arms the triple click that selects everything.
    QLineEdit::mouseDoubleClickEvent(event);
    if (event->button() != Qt::LeftButton)
        return;

    const QString content = text();
    const int at = cursorPositionAt(event->position().toPoint());
    int start = at;
    while (start > 0 && !content.at(start - 1).isSpace())
        --start;
    int end = at;
    while (end < content.size() && !content.at(end).isSpace())
        ++end;
    if (end > start)
        setSelection(start, end - start);
}

} // namespace velmora
