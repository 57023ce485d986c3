// main() of the widget test programs: one QApplication for all tests, on the
// offscreen platform unless the caller chose another, with the controls'
// accessibility installed as the program installs it at start-up, and with
// CYCLO_UI_TEST_MAIN what the program installs for its windows too.
//
// CYCLO_TEST_DESKTOP runs the tests as on a desktop: "wayland" natively on a
// Wayland compositor, "gtk3" offscreen under GNOME's platform theme with GTK's
// dark theme, "portal" under the desktop portal's theme. A real desktop (the
// wayland platform, or GTK, which opens a display of its own) needs a
// compositor. Without one the program starts offscreen, so that its tests
// can still be listed, and skips every test.

#include "controls/Accessibility.h"
#include "controls/FontStandIns.h"
#ifdef CYCLO_UI_TEST_MAIN
#include "ui/app/CyclographApplication.h"
#endif

#include <QApplication>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace {

// Under Wine a Windows program gets none of the variables whose names start
// with QT_; scripts/wine-run.sh passes them as CYCLO_WINE_QT_... instead.
void takeQtVariablesFromWine()
{
    const QString prefix = QStringLiteral("CYCLO_WINE_");
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString& name : environment.keys()) {
        if (name.startsWith(prefix))
            qputenv(name.mid(prefix.size()).toLocal8Bit().constData(),
                    environment.value(name).toLocal8Bit());
    }
}

class NoCompositor : public testing::Environment
{
public:
    void SetUp() override { GTEST_SKIP() << "no compositor socket set (WAYLAND_DISPLAY)"; }
};

void takeDesktop(const QString& desktop)
{
    if (desktop == QLatin1String("wayland")) {
        qputenv("QT_QPA_PLATFORM", "wayland");
        qunsetenv("QT_QPA_PLATFORMTHEME");
        // A headless compositor's seat has no keyboard; Qt's Wayland text
        // input then fails on drawing a caret. Tests type through QTest.
        qputenv("QT_IM_MODULE", "none");
    } else if (desktop == QLatin1String("gtk3")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_QPA_PLATFORMTHEME", "gtk3");
        qputenv("GTK_THEME", "Adwaita:dark");
    } else if (desktop == QLatin1String("portal")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("QT_QPA_PLATFORMTHEME", "xdgdesktopportal");
    }
}

bool needsCompositor()
{
    return qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("wayland")) ||
           qEnvironmentVariable("QT_QPA_PLATFORMTHEME") == QLatin1String("gtk3");
}

bool compositorReachable()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           (qEnvironmentVariable("QT_QPA_PLATFORMTHEME") == QLatin1String("gtk3") &&
            !qEnvironmentVariableIsEmpty("DISPLAY"));
}

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    takeQtVariablesFromWine();
    takeDesktop(qEnvironmentVariable("CYCLO_TEST_DESKTOP"));
    if (needsCompositor() && !compositorReachable()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qunsetenv("QT_QPA_PLATFORMTHEME");
        testing::AddGlobalTestEnvironment(new NoCompositor);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    cyclo::InstallFontStandIns();
#ifdef CYCLO_UI_TEST_MAIN
    // The windows' tests see what the program installs once at start-up.
    cyclo::CyclographApplication::installApplicationWide(app);
#else
    cyclo::InstallControlsAccessibility();
#endif
    return RUN_ALL_TESTS();
}
