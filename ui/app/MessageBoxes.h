#pragma once
// The program's message boxes: one way to show them, titled with the
// application title unless a window's own message names another title.

#include <QMessageBox>
#include <QString>

namespace cyclo {

// "Cyclograph 2.0", the application title: the title of the program's
// message boxes.
[[nodiscard]] QString ApplicationTitle();

// Shows `text` in a modal box over `parent` with `icon` and `buttons`, titled
// `title` or else the application title; returns the button pressed.
QMessageBox::StandardButton ShowMessage(QWidget* parent, QMessageBox::Icon icon,
                                        const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        const QString& title = {});

} // namespace cyclo
