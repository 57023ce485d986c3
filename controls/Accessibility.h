#pragma once
// What assistive technology reads from the custom-painted controls: the
// shadow label's caption, a speed button's name or hint, and the month
// grid's selected date in full; and a line edit's text as one whole run. Qt asks a chain of
// factories for a widget's accessible interface; each part of the program adds its own with one
// line:
//
//   QAccessible::installFactory(&AccessibleFactoryFor<MyWidget, MyAccessible>);
//
// where MyAccessible is constructed from a MyWidget* (a QAccessibleWidget
// subclass, say). Installing the same factory twice is harmless.

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>

namespace cyclo {

// A factory for widgets of class W, which it answers with a new I(W*). Qt
// asks by class name, the widget's own first and then its bases', so it also
// answers for classes derived from W that have no factory of their own.
template <class W, class I>
QAccessibleInterface* AccessibleFactoryFor(const QString& className, QObject* object)
{
    if (className != QLatin1String(W::staticMetaObject.className()))
        return nullptr;
    auto* widget = qobject_cast<W*>(object);
    return widget != nullptr ? new I(widget) : nullptr;
}

// Installs the factories of the controls in this folder. The application
// calls it once at start-up, before the first control is created.
void InstallControlsAccessibility();

} // namespace cyclo
