#pragma once
// Installs an event filter once on the object it watches.

#include <QObject>
#include <QString>

namespace cyclo {

// Installs an event filter of class F on `target`, owned by it, unless one is
// there already (known by the filter's object name, F::kName).
template <class F, class T> void InstallFilterOnce(T& target)
{
    if (target.template findChild<QObject*>(QString::fromLatin1(F::kName),
                                            Qt::FindDirectChildrenOnly) == nullptr)
        target.installEventFilter(new F(&target));
}

} // namespace cyclo
