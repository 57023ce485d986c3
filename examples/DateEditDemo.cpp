// A dialog with the birth-date field, for looking at the field and its
// drop-down calendar on a real screen:
//   dateedit_demo [--open] [--bottom] [--disabled]
// --open drops the calendar down once the dialog shows, --bottom places the
// dialog at the bottom of the screen, --disabled disables the field.

#include "controls/Clock.h"
#include "controls/DateEdit.h"
#include "controls/FontStandIns.h"
#include "controls/RegionalSettings.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    cyclo::InstallFontStandIns();
    const QStringList args = QApplication::arguments();

    cyclo::SystemClock clock;
    cyclo::RegionalSettings settings;

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("New person"));
    dialog.setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
    dialog.setFixedSize(427, 136);
    auto* nameLabel = new QLabel(QStringLiteral("Name:"), &dialog);
    nameLabel->move(16, 16);
    auto* birthLabel = new QLabel(QStringLiteral("Birthday:"), &dialog);
    birthLabel->move(16, 40);
    auto* nameEdit = new QLineEdit(&dialog);
    nameEdit->setGeometry(104, 16, 305, 21);
    auto* dateEdit = new cyclo::TDateEdit(clock, settings, &dialog);
    dateEdit->setGeometry(104, 40, 305, 21);
    dateEdit->setDefaultToday(true);
    dateEdit->setNumGlyphs(2);
    dateEdit->setYearDigits(cyclo::TYearDigits::dyFour);
    dateEdit->setFieldText(QStringLiteral("18.01.2001"));
    dateEdit->setEnabled(!args.contains(QStringLiteral("--disabled")));
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(232, 96, 91, 25);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"), &dialog);
    cancel->setGeometry(328, 96, 89, 25);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    if (args.contains(QStringLiteral("--bottom")))
        dialog.move(200, dialog.screen()->geometry().height() - 150);
    else
        dialog.move(200, 100);
    if (args.contains(QStringLiteral("--open")))
        QTimer::singleShot(300, dateEdit, [dateEdit] {
            dateEdit->setFocus();
            dateEdit->DropDown(true);
        });
    dialog.show();
    return app.exec();
}
