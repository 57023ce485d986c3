#pragma once
// Small helpers every window of the program uses: its default font, its
// place in the middle of the screen, and the OK and Cancel buttons.

#include <QDialog>
#include <QFont>

class QPushButton;
class QKeyEvent;
class QRect;
class QWidget;

namespace cyclo {

// "MS Sans Serif", 8 points: the font of every control that names no other.
[[nodiscard]] QFont FormFont();
// A font by family, points and weight, as the layouts name them.
[[nodiscard]] QFont NamedFont(const char* family, int points, bool bold);

// Keeps a top-level window's frame, title bar included, in the middle of the
// available area of its screen: placed now with the frame known so far, and
// again when it is first shown and its frame is known.
void centreOnScreen(QWidget& window);

// "OK" with the check-mark picture, the dialog's default button (Enter).
// The caller connects what it does.
[[nodiscard]] QPushButton* makeOkButton(QWidget* parent, const QRect& geometry);
// "&Cancel" with the cross picture; it rejects `dialog`, as Esc and the close
// box do.
QPushButton* makeCancelButton(QDialog* dialog, const QRect& geometry);

// A window without a cancel button: Esc does nothing there, instead of
// closing it as it would close any other dialog.
class NoCancelDialog : public QDialog
{
public:
    using QDialog::QDialog;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace cyclo
