// Where the list of persons lives: the working directory for a start from a
// terminal, the per-user data folder (made on the first start) for the start
// from the desktop entry, and what happens when that folder cannot be made.

#include "ui/app/ListFolder.h"

#include "register/PersonRegister.h"
#include "support/TempDir.h"
#include "support/UserDataFolder.h"

#include <QByteArray>
#include <QDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

namespace fs = std::filesystem;

constexpr TYmd kBirth{1981, 4, 8};

// Points the per-user data base ($XDG_DATA_HOME, on Windows %APPDATA%) at
// `base` and the working directory at `work` while it lives.
class Surroundings
{
public:
    Surroundings(const fs::path& base, const fs::path& work)
        : oldDataHome_(qgetenv(test::kUserDataBaseVariable)), oldWork_(fs::current_path())
    {
        qputenv(test::kUserDataBaseVariable, QByteArray::fromStdString(base.string()));
        fs::current_path(work);
    }
    ~Surroundings()
    {
        fs::current_path(oldWork_);
        if (oldDataHome_.isNull())
            qunsetenv(test::kUserDataBaseVariable);
        else
            qputenv(test::kUserDataBaseVariable, oldDataHome_);
    }
    Surroundings(const Surroundings&) = delete;
    Surroundings& operator=(const Surroundings&) = delete;

private:
    QByteArray oldDataHome_;
    fs::path oldWork_;
};

bool isEmptyFolder(const fs::path& folder)
{
    return fs::is_directory(folder) && fs::is_empty(folder);
}

class ListFolderTest : public testing::Test
{
protected:
    test::TempDir dir;
    fs::path dataHome = dir.path() / "data home"; // not there yet
    fs::path work = dir.path() / "work";
    fs::path userFolder = test::UserDataFolderIn(dataHome);
};

TEST_F(ListFolderTest, DesktopChoiceMakesTheUserDataFolderAndKeepsListAndLockInIt)
{
    fs::create_directories(work);
    const Surroundings surroundings(dataHome, work);

    const PersonFileLocation location = LocatePersonFile(ListFolder::UserData);
    EXPECT_TRUE(location.problem.isEmpty()) << location.problem.toStdString();
    EXPECT_TRUE(isEmptyFolder(userFolder));
    EXPECT_EQ(location.file, userFolder / "personen.dat");

    PersonRegister persons(location.file);
    EXPECT_EQ(persons.TakeLock(), FileAccess::Exclusive);
    ASSERT_TRUE(persons.AddPerson("Anna", kBirth).ok());
    EXPECT_EQ(fs::file_size(userFolder / "personen.dat"), kPersonFileSize);
    EXPECT_TRUE(fs::exists(userFolder / "personen.dat.lock"));
    EXPECT_TRUE(isEmptyFolder(work));

    // The second start finds the folder and the list again.
    const PersonFileLocation again = LocatePersonFile(ListFolder::UserData);
    EXPECT_TRUE(again.problem.isEmpty());
    PersonRegister reread(again.file);
    reread.StartupFill();
    EXPECT_EQ(reread.PersonCount(), 1);
}

TEST_F(ListFolderTest, TerminalStartKeepsListAndLockInTheWorkingDirectory)
{
    fs::create_directories(work);
    const Surroundings surroundings(dataHome, work);

    const PersonFileLocation location = LocatePersonFile(ListFolder::WorkingDirectory);
    EXPECT_TRUE(location.problem.isEmpty());
    EXPECT_EQ(location.file, fs::path("personen.dat"));

    PersonRegister persons(location.file);
    EXPECT_EQ(persons.TakeLock(), FileAccess::Exclusive);
    ASSERT_TRUE(persons.AddPerson("Anna", kBirth).ok());
    EXPECT_EQ(fs::file_size(work / "personen.dat"), kPersonFileSize);
    EXPECT_TRUE(fs::exists(work / "personen.dat.lock"));
    EXPECT_FALSE(fs::exists(dataHome));
}

TEST_F(ListFolderTest, FolderThatCannotBeMadeIsReportedAndNothingLandsElsewhere)
{
    fs::create_directories(work);
    fs::create_directories(userFolder.parent_path());
    std::ofstream(userFolder) << "a file where the folder belongs";
    const Surroundings surroundings(dataHome, work);

    const PersonFileLocation location = LocatePersonFile(ListFolder::UserData);
    EXPECT_TRUE(location.problem.contains(QString::fromStdString(userFolder.string())))
        << location.problem.toStdString();
    EXPECT_TRUE(location.problem.contains(QStringLiteral("cannot be saved")))
        << location.problem.toStdString();

    PersonRegister persons(location.file);
    persons.TakeLock();
    persons.StartupFill();
    EXPECT_EQ(persons.PersonCount(), 0);
    EXPECT_EQ(persons.AddPerson("Anna", kBirth).status, RegisterResult::Status::FileError);
    EXPECT_TRUE(isEmptyFolder(work));
    EXPECT_TRUE(fs::is_regular_file(userFolder));
}

} // namespace
} // namespace cyclo
