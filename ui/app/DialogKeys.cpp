#include "ui/app/DialogKeys.h"

#include "ui/app/FilterOnce.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QListView>
#include <QPushButton>
#include <QWidget>

namespace cyclo {

DialogKeys::DialogKeys(QObject* application) : QObject(application)
{
    setObjectName(QString::fromLatin1(kName));
}

void DialogKeys::install(QCoreApplication& application)
{
    InstallFilterOnce<DialogKeys>(application);
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || !passesEnterOn(*widget))
        return false;
    if (event->type() == QEvent::KeyPress) {
        QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat(),
                       static_cast<ushort>(key->count()));
        QCoreApplication::sendEvent(widget->window(), &copy);
    }
    return true;
}

bool DialogKeys::passesEnterOn(const QWidget& widget)
{
    // A popup's keys stay there: Enter picks a line of an open drop-down list.
    if (widget.isWindow() || widget.window()->windowType() == Qt::Popup)
        return false;
    // A list of lines (while a line is edited, its editor has the keys,
    // not the list). Other views, such as a month calendar's grid, use
    // Enter themselves.
    if (qobject_cast<const QListView*>(&widget) != nullptr)
        return true;
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        return !combo->isEditable();
    if (const auto* push = qobject_cast<const QPushButton*>(&widget))
        return !push->autoDefault() && !push->isDefault();
    return qobject_cast<const QAbstractButton*>(&widget) != nullptr;
}

} // namespace cyclo
