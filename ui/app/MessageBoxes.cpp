#include "ui/app/MessageBoxes.h"

#include "ui/ProductVersion.h"

namespace cyclo {

QString ApplicationTitle()
{
    return QString::fromLatin1(kApplicationTitle);
}

QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& text, QMessageBox::StandardButtons buttons,
                                        const QString& title)
{
    QMessageBox box(icon, title.isEmpty() ? ApplicationTitle() : title, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace cyclo
