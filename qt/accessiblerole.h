#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

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

} // namespace velmora
