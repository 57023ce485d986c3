#pragma once
// A window without a cancel button: Esc does nothing there, instead of
// closing it as it would close any other dialog.

#include <QDialog>

class QKeyEvent;

namespace cyclo {

class NoCancelDialog : public QDialog
{
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace cyclo
