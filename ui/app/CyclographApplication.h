#pragma once
// The application object: sets the program's title, fonts and icon, and is
// the one place where an exception escaping an event handler is caught and
// shown to the user; the program then goes on.

#include "ui/ProductVersion.h"

#include <QApplication>
#include <QPalette>

namespace cyclo {

class FontWarmUp;

class CyclographApplication : public QApplication
{
    Q_OBJECT

public:
    // `fonts`, when given, is waited for before the first text is measured.
    CyclographApplication(int& argc, char** argv, FontWarmUp* fonts = nullptr);

    bool notify(QObject* receiver, QEvent* event) override;

    // The font substitutions, title and palette without constructing the
    // application; used by the constructor and by tests that own their
    // QApplication.
    static void setUp();

    // What acts on the whole application, installed once, before the first
    // window: the screen readers' views of the controls, the windows and the
    // chart, and the Enter forwarding of the dialogs (DialogKeys).
    static void installApplicationWide(QApplication& application);

    // The program's own light colours, those of Qt's own theme, which the
    // windows' fixed colours were chosen against. Set once at start, they keep
    // a desktop's palette (a dark one above all) out of every window.
    [[nodiscard]] static QPalette programPalette();

    // Shows `text` in an error box titled with the application title.
    static void showError(const QString& text);
};

} // namespace cyclo
