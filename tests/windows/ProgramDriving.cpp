#include "windows/ProgramDriving.h"

#include "register/PersonRegister.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace cyclo::test {

std::vector<std::uint8_t> LinuxPersonFile(std::initializer_list<Person> persons)
{
    const TempDir dir;
    PersonRegister linux(dir.file("personen.dat"));
    EXPECT_EQ(linux.TakeLock(), FileAccess::Exclusive);
    for (const Person& person : persons)
        EXPECT_TRUE(linux.AddPerson(person.name, person.birth).ok());
    return ReadBytes(dir.file("personen.dat"));
}

void AddPersonByKeys(WineDesktop& desktop, const WineDesktop::Window& main, const QString& name,
                     const QString& digits)
{
    desktop.keys(main, {QStringLiteral("alt+n")});
    const auto dialog = desktop.waitForWindow(kNewPersonTitle);
    ASSERT_TRUE(dialog) << "New did not open the new-person dialog";
    // The dialog keeps the last name: select it and type over it.
    desktop.keys(*dialog, {QStringLiteral("ctrl+a")});
    desktop.type(*dialog, name);
    if (!digits.isEmpty()) {
        desktop.keys(*dialog, {QStringLiteral("Tab"), QStringLiteral("Home")});
        desktop.type(*dialog, digits);
    }
    desktop.keys(*dialog, {QStringLiteral("Return")});
    EXPECT_TRUE(desktop.waitForNoWindow(kNewPersonTitle)) << "OK did not close the dialog";
}

} // namespace cyclo::test
