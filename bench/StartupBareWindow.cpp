// The yardstick for the program's start-up on a display: a bare Qt Widgets
// window of the main window's size (614 x 393, fixed, centred, titled), shown
// and left to the event loop. startup_display launches it beside the program.

#include <QApplication>
#include <QScreen>
#include <QWidget>

namespace {

constexpr QSize kMainWindowSize(614, 393);

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.setFixedSize(kMainWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
