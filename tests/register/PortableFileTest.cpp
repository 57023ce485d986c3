// The person file is the same on every platform: a list written on Windows
// is byte for byte the list written on Linux (both compare with one file
// kept beside this test), in a folder of any name.

#include "register/PersonRegister.h"
#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cyclo {
namespace {

using test::ReadBytes;

// Anna, Bert, Müller, Jörg and "Zoë € Ødegård" added, then Bert deleted:
// three persons, and the freed fourth slot still holds Zoë.
const std::filesystem::path kGoldenFile =
    std::filesystem::path(CYCLO_REGISTER_TEST_DATA) / "personen-golden.dat";

void WriteTheGoldenList(PersonRegister& persons)
{
    ASSERT_TRUE(persons.AddPerson("Anna", {1981, 4, 8}).ok());
    ASSERT_TRUE(persons.AddPerson("Bert", {1975, 6, 30}).ok());
    ASSERT_TRUE(persons.AddPerson("M\xC3\xBCller, J\xC3\xB6rg", {1990, 1, 3}).ok());
    ASSERT_TRUE(persons
                    .AddPerson("Zo\xC3\xAB \xE2\x82\xAC \xC3\x98"
                               "deg\xC3\xA5rd",
                               {2000, 2, 29})
                    .ok());
    ASSERT_TRUE(persons.DeletePerson(1).ok());
}

TEST(PortablePersonFile, TheSameListGivesTheSameBytesInAFolderOfAnyName)
{
    const auto golden = ReadBytes(kGoldenFile);
    ASSERT_EQ(golden.size(), kPersonFileSize) << kGoldenFile;

    const std::filesystem::path folders[] = {
        "plain",
        std::filesystem::path(u8"\u041f\u0440\u043e\u0433\u043d\u043e\u0437 \u65e5\u672c"),
    };
    for (const auto& folderName : folders) {
        SCOPED_TRACE(folderName.string());
        test::TempDir dir;
        const auto folder = dir.path() / folderName;
        ASSERT_TRUE(std::filesystem::create_directory(folder));
        const auto file = folder / "personen.dat";

        PersonRegister persons(file);
        ASSERT_EQ(persons.TakeLock(), FileAccess::Exclusive);
        persons.StartupFill();
        WriteTheGoldenList(persons);
        EXPECT_EQ(ReadBytes(file), golden);

        PersonRegister reread(file);
        EXPECT_EQ(reread.TakeLock(), FileAccess::ReadOnly);
        reread.StartupFill();
        ASSERT_EQ(reread.PersonCount(), 3);
        EXPECT_EQ(reread.PersonText(2), "M\xC3\xBCller, J\xC3\xB6rg ( 1/3/1990 )");

        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ(names, (std::vector<std::string>{"personen.dat", "personen.dat.lock"}));
    }
}

} // namespace
} // namespace cyclo
