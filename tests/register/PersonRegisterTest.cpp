#include "register/PersonRegister.h"

#include "support/TempDir.h"
#include "tests/register/PersonImage.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace cyclo {
namespace {

using test::FileImage;
using test::ReadBytes;
using test::TempDir;
using test::WriteBytes;

class PersonRegisterTest : public testing::Test
{
protected:
    TempDir dir;
    std::filesystem::path file = dir.file("personen.dat");
    PersonRegister reg{file};

    void writeFile(const std::vector<std::uint8_t>& bytes) { WriteBytes(file, bytes); }
    std::int32_t fileCount() const
    {
        const auto b = ReadBytes(file);
        std::uint32_t count = 0;
        for (std::size_t i = 0; i < 4; ++i)
            count |= static_cast<std::uint32_t>(b.at(i)) << (8 * i);
        return static_cast<std::int32_t>(count);
    }
};

TEST_F(PersonRegisterTest, DefaultFileIsPersonenDatInTheWorkingDirectory)
{
    EXPECT_EQ(PersonRegister().filePath(), std::filesystem::path("personen.dat"));
}

TEST_F(PersonRegisterTest, NoFileGivesAnEmptyRegisterAndTheFirstAddCreatesIt)
{
    reg.StartupFill();
    EXPECT_EQ(reg.PersonCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(file));

    ASSERT_TRUE(reg.AddPerson("Anna", {1981, 4, 8}).ok());
    EXPECT_EQ(std::filesystem::file_size(file), kPersonFileSize);
    EXPECT_EQ(fileCount(), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.file("personen.dat.tmp")));
}

TEST_F(PersonRegisterTest, ByteExactFixtureLoadsAndSavesUnchanged)
{
    FileImage image;
    image.count(3)
        .person(1, "Anna", 1981, 4, 8)
        .person(2, "M\xFCller, J\xF6rg", 1990, 1, 3, 0, 0x5A) // Windows-1252 umlauts, odd filler
        .person(3, "Zoe", 2000, 2, 29)
        .person(4, "Deleted Person", 1950, 12, 31); // above the count: stale bytes
    std::memcpy(image.record(1) + 1 + 4, "XYZ", 3); // bytes past the name length
    writeFile(image.bytes());

    reg.StartupFill();
    ASSERT_EQ(reg.PersonCount(), 3);
    EXPECT_EQ(reg.PersonText(1), "Anna ( 4/8/1981 )");
    EXPECT_EQ(reg.PersonText(2), "M\xC3\xBCller, J\xC3\xB6rg ( 1/3/1990 )");
    EXPECT_EQ(reg.PersonText(3), "Zoe ( 2/29/2000 )");
    EXPECT_EQ(reg.Persons(4).NameText(), "Deleted Person");

    PersonRegister copy(dir.file("copy.dat"));
    const auto loaded = ReadBytes(file);
    copy.ReadImage(loaded);
    ASSERT_TRUE(copy.SavePersons().ok());
    EXPECT_EQ(ReadBytes(dir.file("copy.dat")), image.bytes());
    ASSERT_TRUE(reg.SavePersons().ok());
    EXPECT_EQ(ReadBytes(file), image.bytes());
}

TEST_F(PersonRegisterTest, AddThreeDeleteTheFirst)
{
    reg.StartupFill();
    ASSERT_TRUE(reg.AddPerson("First", {1970, 1, 1}).ok());
    ASSERT_TRUE(reg.AddPerson("Second", {1980, 2, 2}).ok());
    ASSERT_TRUE(reg.AddPerson("Third", {1990, 3, 3}).ok());
    ASSERT_TRUE(reg.DeletePerson(0).ok());

    EXPECT_EQ(reg.PersonCount(), 2);
    EXPECT_EQ(fileCount(), 2);
    const auto bytes = ReadBytes(file);
    ASSERT_EQ(bytes.size(), kPersonFileSize);
    FileImage expected;
    expected.count(2)
        .person(1, "Second", 1980, 2, 2)
        .person(2, "Third", 1990, 3, 3)
        .person(3, "Third", 1990, 3, 3); // the freed slot keeps its bytes
    EXPECT_EQ(bytes, expected.bytes());

    // Slots above a reused slot keep their old name bytes past the new length.
    ASSERT_TRUE(reg.AddPerson("Al", {2001, 1, 18}).ok());
    EXPECT_EQ(reg.PersonText(3), "Al ( 1/18/2001 )");
    EXPECT_EQ(std::memcmp(reg.Persons(3).Name.data(), "Alird", 5), 0);
}

TEST_F(PersonRegisterTest, DeleteInTheMiddleAndAtTheEnd)
{
    reg.StartupFill();
    for (const char* name : {"A", "B", "C", "D"})
        ASSERT_TRUE(reg.AddPerson(name, {2000, 1, 1}).ok());
    ASSERT_TRUE(reg.DeletePerson(1).ok());
    ASSERT_TRUE(reg.DeletePerson(2).ok());
    ASSERT_EQ(reg.PersonCount(), 2);
    EXPECT_EQ(reg.Persons(1).NameText(), "A");
    EXPECT_EQ(reg.Persons(2).NameText(), "C");
    EXPECT_EQ(reg.DeletePerson(2).status, RegisterResult::Status::NoSuchPerson);
    EXPECT_EQ(reg.DeletePerson(-1).status, RegisterResult::Status::NoSuchPerson);
    EXPECT_EQ(reg.PersonCount(), 2);
}

TEST_F(PersonRegisterTest, NamesAreCutToFortyCharactersAndStoredInWindows1252)
{
    reg.StartupFill();
    const std::string longName = "Maximilian Alexander von Hohenzollern-Sig"; // 41
    ASSERT_TRUE(reg.AddPerson(longName + "mari", {1981, 4, 8}).ok());
    EXPECT_EQ(reg.Persons(1).NameLength, 40);
    EXPECT_EQ(reg.Persons(1).NameText(), longName.substr(0, 40));

    ASSERT_TRUE(reg.AddPerson("J\xC3\xBCrgen \xE2\x82\xAC \xCE\xA9", {1990, 1, 3}).ok());
    EXPECT_EQ(reg.PersonText(2), "J\xC3\xBCrgen \xE2\x82\xAC ? ( 1/3/1990 )");
    const auto bytes = ReadBytes(file);
    const std::uint8_t* r = bytes.data() + 4 + 48;
    EXPECT_EQ(r[0], 10);
    EXPECT_EQ(std::memcmp(r + 1, "J\xFCrgen \x80 ?", 10), 0);

    ASSERT_TRUE(reg.AddPerson("", {1990, 1, 3}).ok());
    EXPECT_EQ(reg.PersonText(3), " ( 1/3/1990 )");
}

TEST_F(PersonRegisterTest, TheHundredAndFirstPersonIsRefused)
{
    reg.StartupFill();
    for (int i = 0; i < kMaxPersons; ++i)
        ASSERT_TRUE(reg.AddPerson("P" + std::to_string(i), {2000, 1, 1}).ok());
    const auto before = ReadBytes(file);

    const RegisterResult r = reg.AddPerson("One too many", {2000, 1, 1});
    EXPECT_EQ(r.status, RegisterResult::Status::TableFull);
    EXPECT_FALSE(r.reason.empty());
    EXPECT_EQ(reg.PersonCount(), kMaxPersons);
    EXPECT_EQ(ReadBytes(file), before);
    EXPECT_EQ(reg.PersonText(kMaxPersons), "P99 ( 1/1/2000 )");
}

TEST_F(PersonRegisterTest, DamagedFilesStayInsideTheTable)
{
    struct Case
    {
        const char* what;
        std::int32_t count;
        int expected;
    } const cases[] = {{"too many", 1000, 100},
                       {"negative", -5, 0},
                       {"largest", 0x7FFFFFFF, 100},
                       {"sign bit", static_cast<std::int32_t>(0x80000000U), 0},
                       {"exactly full", 100, 100}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FileImage image;
        image.count(c.count).person(1, "A", 2000, 1, 1);
        writeFile(image.bytes());
        reg.StartupFill();
        EXPECT_EQ(reg.PersonCount(), c.expected);
        for (int slot = 1; slot <= reg.PersonCount(); ++slot)
            (void)reg.PersonText(slot);
    }
}

TEST_F(PersonRegisterTest, ImpossibleRecordsAreShownAsStored)
{
    FileImage image;
    image.count(2)
        .person(1, std::string(40, 'N'), 0, 0, 0, /*length*/ 200)
        .person(2, "Odd", 65535, 200, 99);
    writeFile(image.bytes());
    reg.StartupFill();
    EXPECT_EQ(reg.Persons(1).NameText(), std::string(40, 'N'));
    EXPECT_EQ(reg.PersonText(1), std::string(40, 'N') + " ( 0/0/0 )");
    EXPECT_EQ(reg.PersonText(2), "Odd ( 200/99/65535 )");
    EXPECT_GT(DayNumber(reg.Persons(2).BirthDate()), 0);
}

TEST_F(PersonRegisterTest, ShortAndLongFiles)
{
    FileImage full;
    full.count(2).person(1, "Anna", 1981, 4, 8).person(2, "Bert", 1975, 6, 30);
    const auto& all = full.bytes();

    struct Case
    {
        const char* what;
        std::size_t length;
        int count;
        const char* firstLine; // nullptr: not checked
    } const cases[] = {{"empty", 0, 0, nullptr},
                       {"half a count", 2, 2, nullptr},
                       {"count only", 4, 2, " ( 0/0/0 )"},
                       {"first record cut in its date", 4 + 44, 2, "Anna ( 0/0/1981 )"},
                       {"one record", 4 + 48, 2, "Anna ( 4/8/1981 )"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeFile({all.begin(), all.begin() + static_cast<std::ptrdiff_t>(c.length)});
        reg.StartupFill();
        EXPECT_EQ(reg.PersonCount(), c.count);
        if (c.firstLine) {
            EXPECT_EQ(reg.PersonText(1), c.firstLine);
        }
        EXPECT_EQ(reg.PersonText(2), " ( 0/0/0 )");
    }

    std::vector<std::uint8_t> longer = all;
    longer.resize(kPersonFileSize + 100, 0xEE);
    writeFile(longer);
    reg.StartupFill();
    EXPECT_EQ(reg.PersonText(2), "Bert ( 6/30/1975 )");
    ASSERT_TRUE(reg.SavePersons().ok());
    EXPECT_EQ(ReadBytes(file), all);
}

TEST_F(PersonRegisterTest, LoadOverAFilledTableKeepsWhatAShortFileDoesNotHold)
{
    reg.StartupFill();
    ASSERT_TRUE(reg.AddPerson("Kept", {1999, 9, 9}).ok());
    ASSERT_TRUE(reg.AddPerson("Also kept", {1999, 9, 9}).ok());
    FileImage image;
    image.count(1).person(1, "New", 2000, 1, 1);
    writeFile({image.bytes().begin(), image.bytes().begin() + 4 + 48});
    ASSERT_TRUE(reg.LoadPersons().ok());
    EXPECT_EQ(reg.PersonCount(), 1);
    EXPECT_EQ(reg.PersonText(1), "New ( 1/1/2000 )");
    EXPECT_EQ(reg.Persons(2).NameText(), "Also kept");
}

TEST_F(PersonRegisterTest, AFailedSaveIsReportedAndKeepsTheChangeInMemory)
{
    // The file's folder does not exist: nothing can be created there.
    PersonRegister lost(dir.file("missing") / "personen.dat");
    lost.StartupFill();
    const RegisterResult r = lost.AddPerson("Anna", {1981, 4, 8});
    EXPECT_EQ(r.status, RegisterResult::Status::FileError);
    EXPECT_FALSE(r.reason.empty());
    EXPECT_EQ(lost.PersonCount(), 1);

    // The file name is taken by a folder: the new image cannot replace it,
    // and what stood there is untouched.
    std::filesystem::create_directory(file);
    const RegisterResult blocked = reg.AddPerson("Bert", {1975, 6, 30});
    EXPECT_EQ(blocked.status, RegisterResult::Status::FileError);
    EXPECT_TRUE(std::filesystem::is_directory(file));
    // Nothing but the folder in the file's place is left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_EQ(reg.PersonCount(), 1);
}

TEST_F(PersonRegisterTest, ALeftoverTemporaryFileDoesNotBlockSaving)
{
    WriteBytes(dir.file("personen.dat.tmp"), std::vector<std::uint8_t>(17, 0xAB));
    ASSERT_EQ(reg.TakeLock(), FileAccess::Exclusive);
    reg.StartupFill();
    ASSERT_TRUE(reg.AddPerson("Anna", {1981, 4, 8}).ok());
    EXPECT_EQ(std::filesystem::file_size(file), kPersonFileSize);
    EXPECT_FALSE(std::filesystem::exists(dir.file("personen.dat.tmp")));
}

TEST_F(PersonRegisterTest, TakingTheLockRemovesOnlyTemporaryFilesOfSaves)
{
    const std::vector<std::uint8_t> junk(17, 0xAB);
    struct Case
    {
        const char* name;
        bool removed;
    } const cases[] = {
        {"personen.dat.tmp", true},
        {"personen.dat.4242-0123456789abcdef.tmp", true},
        {"personen.dat.1-ffffffffffffffff.tmp", true},
        {"personen.dat.4242-0123456789abcdeg.tmp", false},
        {"personen.dat.4242-0123456789abcde.tmp", false},
        {"personen.dat.-0123456789abcdef.tmp", false},
        {"personen.dat.x42-0123456789abcdef.tmp", false},
        {"personen.dat.backup.tmp", false},
        {"other.dat.4242-0123456789abcdef.tmp", false},
        {"personen.dat.4242-0123456789abcdef.tmp.bak", false},
    };
    for (const Case& c : cases)
        WriteBytes(dir.file(c.name), junk);
    // A folder of that pattern is nobody's temporary file.
    std::filesystem::create_directory(dir.file("personen.dat.7-aaaaaaaaaaaaaaaa.tmp"));

    ASSERT_EQ(reg.TakeLock(), FileAccess::Exclusive);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(std::filesystem::exists(dir.file(c.name)), !c.removed);
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("personen.dat.7-aaaaaaaaaaaaaaaa.tmp")));
}

TEST_F(PersonRegisterTest, SavesLeaveNoTemporaryFileBehind)
{
    ASSERT_EQ(reg.TakeLock(), FileAccess::Exclusive);
    reg.StartupFill();
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(reg.AddPerson(name, {2000, 1, 1}).ok());
    ASSERT_TRUE(reg.DeletePerson(1).ok());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"personen.dat", "personen.dat.lock"}));
}

TEST_F(PersonRegisterTest, SlotsOutsideTheTableAreRejected)
{
    EXPECT_THROW((void)reg.Persons(0), std::out_of_range);
    EXPECT_THROW((void)reg.Persons(101), std::out_of_range);
    EXPECT_NO_THROW((void)reg.Persons(100));
}

} // namespace
} // namespace cyclo
