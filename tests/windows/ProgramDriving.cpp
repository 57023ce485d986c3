#include "windows/ProgramDriving.h"

#include "register/PersonRegister.h"
#include "support/TempDir.h"

#include <algorithm>
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

std::string DescribePersonFile(const std::vector<std::uint8_t>& bytes)
{
    // A 32-bit count, then records of 48 bytes: the name's length, 40 name
    // bytes, a filler byte, and year, month and day as 16-bit words.
    auto word = [&](std::size_t at) { return bytes[at] | bytes[at + 1] << 8; };
    std::string text;
    const std::size_t count = bytes.size() >= 4 ? bytes[0] : 0;
    for (std::size_t i = 0; i < count && 4 + (i + 1) * 48 <= bytes.size(); ++i) {
        const std::size_t at = 4 + i * 48;
        text += std::string(reinterpret_cast<const char*>(&bytes[at + 1]), std::min<std::size_t>(bytes[at], 40));
        text += ' ' + std::to_string(word(at + 42)) + '-' + std::to_string(word(at + 44)) + '-' +
                std::to_string(word(at + 46)) + '\n';
    }
    return text;
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
