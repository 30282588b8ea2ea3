#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QtGlobal>

namespace velmora {

template <class Widget, QAccessible::Role role>
QAccessibleInterface* accessibleWithRole(const QString& className, QObject* object)
{
    if (className != QLatin1String(Widget::staticMetaObject.className()) || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), role); // Qt's cache owns it
}

// Presents every widget of class Widget to assistive technology in the given role, where
// Qt would make it a plain panel ("filler"). Installs the factory once, on first use.
template <class Widget, QAccessible::Role role> void presentWithRole()
{
    static const bool installed = (QAccessible::installFactory(&accessibleWithRole<Widget, role>), true);
    Q_UNUSED(installed);
}

// Words for a screen reader to say once, politely, for window. Older Qt has no
// announcements; their screen readers read each box as the focus reaches it.
inline void announceToScreenReaders([[maybe_unused]] QObject& window, [[maybe_unused]] const QString& words)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(&window, words);
    QAccessible::updateAccessibility(&event);
#endif
}

} // namespace velmora
