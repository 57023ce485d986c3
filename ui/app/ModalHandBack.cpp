#include "ui/app/ModalHandBack.h"

#include "ui/app/FilterOnce.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace cyclo {

ModalHandBack::ModalHandBack(QWidget* window) : QObject(window), window_(*window)
{
    setObjectName(QString::fromLatin1(kName));
}

void ModalHandBack::watch(QWidget& window)
{
    InstallFilterOnce<ModalHandBack>(window);
}

bool ModalHandBack::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::WindowActivate)
        handBack();
    return QObject::eventFilter(watched, event);
}

void ModalHandBack::handBack()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == &window_ || modal->isAncestorOf(&window_))
        return;
    // After the activation has run its course, not inside it; the timer
    // goes with the modal window should that close first.
    QTimer::singleShot(0, modal, [modal] {
        if (modal->isVisible()) {
            modal->raise();
            modal->activateWindow();
        }
    });
}

} // namespace cyclo
