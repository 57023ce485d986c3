// The yardsticks for the program's start-up on a display: a bare Qt Widgets
// window of the main window's size (614 x 393, fixed, centred, titled), shown
// and left to the event loop; built a second time with CYCLO_WITH_LABEL, the
// same window showing the program's title in one label, which is the least a
// window with text pays for fonts. startup_display launches them beside the
// program.

#include "ui/ProductVersion.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#if defined(CYCLO_WITH_LABEL)
#include <QLabel>
#endif

namespace {

constexpr QSize kMainWindowSize(614, 393);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
#if defined(CYCLO_WITH_LABEL)
    window.setWindowTitle(QStringLiteral("Qt window with a label"));
    auto* label = new QLabel(QString::fromLatin1(cyclo::kProgramName), &window);
    label->move(16, 8);
#else
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
#endif
    window.setFixedSize(kMainWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
