// main() of the widget test programs: one QApplication for all tests, on the
// offscreen platform unless the caller chose another, with the controls'
// accessibility installed as the program installs it at start-up.

#include "controls/Accessibility.h"

#include <QApplication>
#include <QFont>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    cyclo::installControlsAccessibility();
    return RUN_ALL_TESTS();
}
