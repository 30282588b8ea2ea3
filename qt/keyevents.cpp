#include "qt/keyevents.h"

#include <QKeyEvent>

namespace velmora {

Key keyOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Return:
        return Key::Return;
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Space:
        return Key::Space;
    default:
        return Key::Other;
    }
}

} // namespace velmora
