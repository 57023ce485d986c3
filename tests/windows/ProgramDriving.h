#pragma once
// What the Windows program's tests share: its windows' captions, the list
// file the Linux build writes, and the New command driven from the keyboard.

#include "windows/WineDesktop.h"

#include "calendar/DayNumbering.h"
#include "ui/ProductVersion.h"

#include <QRegularExpression>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace cyclo::test {

// A window title as xdotool's anchored name pattern.
[[nodiscard]] inline QString TitlePattern(const QString& title)
{
    return QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$');
}

// The main window and the chart window share the program's name as caption;
// the program's own message boxes carry the application title.
inline const QString kMainTitle = TitlePattern(QString::fromLatin1(kProgramName));
inline const QString kBoxTitle = TitlePattern(QString::fromLatin1(kApplicationTitle));
inline const QString kNewPersonTitle = TitlePattern(QStringLiteral("New person"));

// The program's file in the folder, and the installer's in the build tree.
inline const QString kProgramFile = QString::fromLatin1(kExecutableName) + QStringLiteral(".exe");
inline const QString kSetupFile = QStringLiteral("%1-%2-win64-setup.exe")
                                      .arg(QLatin1String(kExecutableName), QLatin1String(kVersionNumber));

struct Person
{
    const char* name;
    TYmd birth;
};

// The list file the Linux program writes for these persons, added in order.
[[nodiscard]] std::vector<std::uint8_t> LinuxPersonFile(std::initializer_list<Person> persons);

// The persons in a list file as text, one "name year-month-day" a line, for
// failure messages.
[[nodiscard]] std::string DescribePersonFile(const std::vector<std::uint8_t>& bytes);

// Adds a person through New: the name typed over the last one, then the date
// typed into the date field as its digits (or left as it stands), and OK.
void AddPersonByKeys(WineDesktop& desktop, const WineDesktop::Window& main, const QString& name,
                     const QString& digits);

} // namespace cyclo::test
