#include "ui/printing/PrintCommand.h"

#include <QPrintDialog>
#include <QPrinter>

namespace cyclo {

PrintOutcome PrintWithDialog(QWidget& window, std::unique_ptr<QPrinter>& printer,
                             const QString& documentName,
                             const std::function<bool(QPrinter&)>& print)
{
    if (!printer)
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    QPrintDialog dialog(printer.get(), &window);
    if (dialog.exec() != QDialog::Accepted)
        return PrintOutcome::Cancelled;
    return print(*printer) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace cyclo
