#pragma once
// GNOME's platform theme (GTK): Enter and Return on a list, a check box, a
// drop-down list or a button that is no dialog button go on to the window,
// where the default button acts, as Qt's own platform theme has it. GTK's
// theme lets those widgets take Enter themselves: a list would keep it, a
// check box would toggle and a drop-down list would open. It filters the
// whole application, so it is installed once, with the application.

#include <QObject>

class QCoreApplication;
class QWidget;

namespace cyclo {

class DialogKeys : public QObject
{
public:
    static constexpr const char* kName = "dialogKeys";

    explicit DialogKeys(QObject* application);

    // Installs the filter on `application`; once.
    static void install(QCoreApplication& application);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static bool passesEnterOn(const QWidget& widget);
};

} // namespace cyclo
