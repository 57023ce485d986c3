#pragma once
// The windows' print command: the print dialog, then the page.

#include <QString>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace cyclo {

enum class PrintOutcome
{
    Cancelled,
    Printed,
    Failed
};

// Asks with the print dialog over `window` where to print, and prints with
// `print` there. The printer is made on the first print and kept in
// `printer`, so the next print starts from the user's last choices; the print
// queue shows it as `documentName`.
PrintOutcome PrintWithDialog(QWidget& window, std::unique_ptr<QPrinter>& printer,
                             const QString& documentName,
                             const std::function<bool(QPrinter&)>& print);

} // namespace cyclo
