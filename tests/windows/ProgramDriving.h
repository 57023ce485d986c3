#pragma once
// What the Windows program's tests share: its windows' captions, the list
// file the Linux build writes, and the New command driven from the keyboard.

#include "windows/WineDesktop.h"

#include "calendar/DayNumbering.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace cyclo::test {

// The main window and the chart window share the program's name as caption;
// the program's own message boxes carry the application title.
inline const QString kMainTitle = QStringLiteral("^Quellant Cyclograph 2.0$");
inline const QString kBoxTitle = QStringLiteral("^Cyclograph 2.0$");
inline const QString kNewPersonTitle = QStringLiteral("^New person$");

struct Person
{
    const char* name;
    TYmd birth;
};

// The list file the Linux program writes for these persons, added in order.
[[nodiscard]] std::vector<std::uint8_t> LinuxPersonFile(std::initializer_list<Person> persons);

// Adds a person through New: the name typed over the last one, then the date
// typed into the date field as its digits (or left as it stands), and OK.
void AddPersonByKeys(WineDesktop& desktop, const WineDesktop::Window& main, const QString& name,
                     const QString& digits);

} // namespace cyclo::test
