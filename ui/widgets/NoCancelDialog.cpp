#include "ui/widgets/NoCancelDialog.h"

#include <QKeyEvent>

namespace cyclo {

void NoCancelDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace cyclo
