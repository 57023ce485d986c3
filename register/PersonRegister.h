#pragma once
// The person register: a table of up to 100 persons (name and birth date),
// mirrored byte for byte in the person file, and the line that shows a person
// in every list of the program.

#include "calendar/DayNumbering.h"
#include "register/FileLock.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace cyclo {

inline constexpr int kMaxPersons = 100;
inline constexpr std::size_t kNameCapacity = 40;
inline constexpr std::size_t kPersonRecordSize = 48;
inline constexpr std::size_t kPersonTableSize = kMaxPersons * kPersonRecordSize; // 4800
inline constexpr std::size_t kPersonFileSize = 4 + kPersonTableSize;             // 4804
inline constexpr std::string_view kPersonFileName = "personen.dat";
// Appended to the person file's name for the lock file beside it.
inline constexpr std::string_view kLockFileSuffix = ".lock";

// One person as the file keeps it (48 bytes): a length-prefixed name of at
// most 40 Windows-1252 characters, one filler byte, then year, month and day.
// Bytes past the name length are kept as loaded, because the file is written
// back whole.
struct TPerson
{
    std::uint8_t NameLength = 0;
    std::array<char, kNameCapacity> Name{};
    std::uint8_t Filler = 0;
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;

    // The significant name characters in UTF-8; a length above 40 (a damaged
    // record) reads as 40.
    [[nodiscard]] std::string NameText() const;
    [[nodiscard]] TYmd BirthDate() const { return {Year, Month, Day}; }

    friend bool operator==(const TPerson&, const TPerson&) = default;
};

// Outcome of an operation that touches the file or the table; `reason` says
// why it failed, in words for the user.
struct RegisterResult
{
    enum class Status
    {
        Ok,
        FileError,
        TableFull,
        NoSuchPerson,
        ReadOnly // another program holds the lock: nothing was changed
    };
    Status status = Status::Ok;
    std::string reason;

    [[nodiscard]] bool ok() const { return status == Status::Ok; }
    static RegisterResult success() { return {}; }
};

// Who may change the person file.
enum class FileAccess
{
    Unlocked,  // no lock taken, or none could be created: saves go ahead
    Exclusive, // this register holds the lock and alone changes the file
    ReadOnly   // another program holds the lock: the list can be viewed, never saved
};

class PersonRegister
{
public:
    explicit PersonRegister(std::filesystem::path file = std::filesystem::path(kPersonFileName));

    [[nodiscard]] const std::filesystem::path& filePath() const { return file_; }

    // Takes the lock beside the file (its name plus ".lock") that lets only
    // one running program change the file, and keeps it while the register
    // lives. Taken: temporary files that killed saves left behind are
    // removed. Held by another program: the register becomes read-only.
    // No lock file possible (read-only media): saves go ahead, and fail, as
    // without a lock.
    FileAccess TakeLock();
    [[nodiscard]] FileAccess access() const { return access_; }

    // Used slots are 1..PersonCount(), in list order; list position p is slot p + 1.
    [[nodiscard]] int PersonCount() const { return count_; }
    // Any slot 1..100, used or free; throws std::out_of_range otherwise.
    [[nodiscard]] const TPerson& Persons(int slot) const;

    // "Anna ( 4/8/1981 )": name, then month/day/year as stored.
    [[nodiscard]] std::string PersonText(int slot) const;

    // Clears the table, then loads the file. A missing or unreadable file
    // leaves the register empty; that is how a first start looks.
    void StartupFill();

    // Reads the file over the table. A short file fills what it holds and
    // leaves the rest of the table as it was; a count outside 0..100 is
    // clamped. Fails only when the file cannot be opened (table unchanged).
    RegisterResult LoadPersons();

    // Writes the whole table (4804 bytes). The new image goes to a temporary
    // file of its own beside the person file, is flushed to the disk and then
    // renamed over it, so the file on disk is always one complete list, also
    // while other saves, in this or other programs, run at the same time.
    // Refused with ReadOnly in a read-only register.
    [[nodiscard]] RegisterResult SavePersons() const;

    // Appends a person (name cut to 40 characters) and saves. Refused with
    // TableFull when all 100 slots are used and with ReadOnly in a read-only
    // register; a FileError means the person is in the table but the file
    // still holds the previous list.
    RegisterResult AddPerson(std::string_view nameUtf8, const TYmd& birth);

    // Removes the person at list position p (slot p + 1), moving the later
    // ones down, and saves. The slot that falls free keeps its bytes. Refused
    // with ReadOnly in a read-only register.
    RegisterResult DeletePerson(int listPosition);

    // The file image: count, then all 100 records.
    [[nodiscard]] std::array<std::uint8_t, kPersonFileSize> FileImage() const;
    // Lays `bytes` over the file image of the table (as a file read of that
    // length would) and takes it as the table.
    void ReadImage(std::span<const std::uint8_t> bytes);

private:
    [[nodiscard]] std::filesystem::path temporaryFile() const;
    void removeStaleTemporaryFiles() const;

    std::filesystem::path file_;
    FileLock lock_;
    FileAccess access_ = FileAccess::Unlocked;
    std::int32_t count_ = 0;
    std::array<TPerson, kMaxPersons> persons_{};
};

} // namespace cyclo
