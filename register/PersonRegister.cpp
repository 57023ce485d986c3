#include "register/PersonRegister.h"

#include "register/Cp1252.h"
#include "register/PlatformFile.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <random>
#include <stdexcept>
#include <thread>

namespace cyclo {
namespace {

// Record layout in the file, little-endian.
constexpr std::size_t kNameLengthOffset = 0;
constexpr std::size_t kNameOffset = 1;
constexpr std::size_t kFillerOffset = 41;
constexpr std::size_t kYearOffset = 42;
constexpr std::size_t kMonthOffset = 44;
constexpr std::size_t kDayOffset = 46;
constexpr std::size_t kCountSize = 4;

// A save's temporary file is "<file>.<process id>-<16 hex digits>.tmp";
// "<file>.tmp" is the one name that every save used before.
constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr std::size_t kRandomDigits = 16;
// Names are random, so a second try almost never happens; the bound only
// ends the loop should the random source fail.
constexpr int kTemporaryNameAttempts = 16;

void PutU16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

std::uint16_t GetU16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

RegisterResult FileError(const std::error_code& error)
{
    return {RegisterResult::Status::FileError, error.message()};
}

RegisterResult ReadOnlyRefusal()
{
    return {RegisterResult::Status::ReadOnly,
            "Another copy of the program is using the list of persons; here it can only be "
            "viewed."};
}

// 64 bits that differ between saves, threads and processes. The thread and
// the clock are mixed in so that even a random source that repeats itself
// cannot give two saves running at once the same name.
std::uint64_t UniqueBits()
{
    std::random_device device;
    std::uint64_t bits = (static_cast<std::uint64_t>(device()) << 32) ^ device();
    bits ^= std::hash<std::thread::id>{}(std::this_thread::get_id()) * 0x9E3779B97F4A7C15ULL;
    bits ^= static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    return bits;
}

std::string HexDigits(std::uint64_t value)
{
    std::string digits(kRandomDigits, '0');
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, value >>= 4)
        *it = "0123456789abcdef"[value & 0xF];
    return digits;
}

// Whether `name` is the name of a save's temporary file for `fileName`.
bool IsTemporaryFileOf(std::string_view name, std::string_view fileName)
{
    if (!name.starts_with(fileName) || !name.ends_with(kTemporarySuffix))
        return false;
    std::string_view middle =
        name.substr(fileName.size(), name.size() - fileName.size() - kTemporarySuffix.size());
    if (middle.empty())
        return true; // "<file>.tmp"
    if (!middle.starts_with('.'))
        return false;
    middle.remove_prefix(1);
    const auto dash = middle.find('-');
    if (dash == std::string_view::npos || dash == 0 || middle.size() - dash - 1 != kRandomDigits)
        return false;
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    const auto isHex = [&isDigit](char c) { return isDigit(c) || (c >= 'a' && c <= 'f'); };
    return std::all_of(middle.begin(), middle.begin() + static_cast<std::ptrdiff_t>(dash),
                       isDigit) &&
           std::all_of(middle.begin() + static_cast<std::ptrdiff_t>(dash) + 1, middle.end(), isHex);
}

} // namespace

std::string TPerson::NameText() const
{
    const std::size_t length = std::min<std::size_t>(NameLength, kNameCapacity);
    return DecodeCp1252(std::string_view(Name.data(), length));
}

PersonRegister::PersonRegister(std::filesystem::path file) : file_(std::move(file)) {}

const TPerson& PersonRegister::Persons(int slot) const
{
    if (slot < 1 || slot > kMaxPersons)
        throw std::out_of_range("person slot " + std::to_string(slot) + " is not 1 to 100");
    return persons_[static_cast<std::size_t>(slot - 1)];
}

std::string PersonRegister::PersonText(int slot) const
{
    const TPerson& p = Persons(slot);
    return p.NameText() + " ( " + std::to_string(p.Month) + "/" + std::to_string(p.Day) + "/" +
           std::to_string(p.Year) + " )";
}

void PersonRegister::StartupFill()
{
    persons_.fill(TPerson{});
    count_ = 0;
    LoadPersons();
}

RegisterResult PersonRegister::LoadPersons()
{
    std::array<std::uint8_t, kPersonFileSize> buffer{};
    std::size_t count = 0;
    if (const std::error_code error = platform::ReadPrefix(file_, buffer, count))
        return FileError(error);
    ReadImage(std::span(buffer.data(), count));
    return RegisterResult::success();
}

std::array<std::uint8_t, kPersonFileSize> PersonRegister::FileImage() const
{
    std::array<std::uint8_t, kPersonFileSize> image{};
    const auto count = static_cast<std::uint32_t>(count_);
    for (std::size_t i = 0; i < kCountSize; ++i)
        image[i] = static_cast<std::uint8_t>(count >> (8 * i));
    for (std::size_t s = 0; s < persons_.size(); ++s) {
        const TPerson& p = persons_[s];
        std::uint8_t* r = image.data() + kCountSize + s * kPersonRecordSize;
        r[kNameLengthOffset] = p.NameLength;
        std::memcpy(r + kNameOffset, p.Name.data(), kNameCapacity);
        r[kFillerOffset] = p.Filler;
        PutU16(r + kYearOffset, p.Year);
        PutU16(r + kMonthOffset, p.Month);
        PutU16(r + kDayOffset, p.Day);
    }
    return image;
}

void PersonRegister::ReadImage(std::span<const std::uint8_t> bytes)
{
    auto image = FileImage();
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());

    std::uint32_t count = 0;
    for (std::size_t i = 0; i < kCountSize; ++i)
        count |= static_cast<std::uint32_t>(image[i]) << (8 * i);
    // A foreign or damaged count must never let anything read past the table.
    count_ = std::clamp(static_cast<std::int32_t>(count), 0, kMaxPersons);

    for (std::size_t s = 0; s < persons_.size(); ++s) {
        TPerson& p = persons_[s];
        const std::uint8_t* r = image.data() + kCountSize + s * kPersonRecordSize;
        p.NameLength = r[kNameLengthOffset];
        std::memcpy(p.Name.data(), r + kNameOffset, kNameCapacity);
        p.Filler = r[kFillerOffset];
        p.Year = GetU16(r + kYearOffset);
        p.Month = GetU16(r + kMonthOffset);
        p.Day = GetU16(r + kDayOffset);
    }
}

FileAccess PersonRegister::TakeLock()
{
    if (access_ == FileAccess::Exclusive)
        return access_;
    std::filesystem::path lockFile = file_;
    lockFile += kLockFileSuffix;
    switch (lock_.tryLock(lockFile)) {
    case FileLock::Outcome::Taken:
        access_ = FileAccess::Exclusive;
        // No other program saves here now, so every temporary file is a
        // leftover of a save that was killed.
        removeStaleTemporaryFiles();
        break;
    case FileLock::Outcome::HeldElsewhere:
        access_ = FileAccess::ReadOnly;
        break;
    case FileLock::Outcome::Unavailable:
        access_ = FileAccess::Unlocked;
        break;
    }
    return access_;
}

std::filesystem::path PersonRegister::temporaryFile() const
{
    std::filesystem::path temp = file_;
    temp += "." + std::to_string(platform::ProcessId()) + "-" + HexDigits(UniqueBits());
    temp += kTemporarySuffix;
    return temp;
}

void PersonRegister::removeStaleTemporaryFiles() const
{
    const std::filesystem::path folder = file_.parent_path().empty() ? "." : file_.parent_path();
    // Compared as UTF-8, which any name on any platform converts to.
    const auto utf8 = [](const std::filesystem::path& name) {
        const std::u8string text = name.u8string();
        return std::string(text.begin(), text.end());
    };
    const std::string fileName = utf8(file_.filename());
    // Any error ends the clean-up quietly; a leftover is never read anyway.
    std::error_code error;
    for (auto it = std::filesystem::directory_iterator(folder, error);
         !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
        std::error_code ignored;
        if (it->is_regular_file(ignored) &&
            IsTemporaryFileOf(utf8(it->path().filename()), fileName))
            std::filesystem::remove(it->path(), ignored);
    }
}

RegisterResult PersonRegister::SavePersons() const
{
    if (access_ == FileAccess::ReadOnly)
        return ReadOnlyRefusal();
    const auto image = FileImage();
    std::error_code error;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const std::filesystem::path temp = temporaryFile();
        error = platform::CreateDurably(temp, image);
        if (error == std::errc::file_exists)
            continue; // another save's name: draw a new one
        if (!error)
            error = platform::RenameOver(temp, file_);
        if (!error)
            return RegisterResult::success();
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        break;
    }
    return FileError(error);
}

RegisterResult PersonRegister::AddPerson(std::string_view nameUtf8, const TYmd& birth)
{
    if (access_ == FileAccess::ReadOnly)
        return ReadOnlyRefusal();
    if (count_ >= kMaxPersons)
        return {RegisterResult::Status::TableFull,
                "The list already holds " + std::to_string(kMaxPersons) + " persons."};
    TPerson& p = persons_[static_cast<std::size_t>(count_)];
    const std::string name = EncodeCp1252(nameUtf8, kNameCapacity);
    p.NameLength = static_cast<std::uint8_t>(name.size());
    std::copy(name.begin(), name.end(), p.Name.begin());
    p.Year = birth.Year;
    p.Month = birth.Month;
    p.Day = birth.Day;
    ++count_;
    return SavePersons();
}

RegisterResult PersonRegister::DeletePerson(int listPosition)
{
    if (access_ == FileAccess::ReadOnly)
        return ReadOnlyRefusal();
    if (listPosition < 0 || listPosition >= count_)
        return {RegisterResult::Status::NoSuchPerson,
                "There is no person at position " + std::to_string(listPosition) + "."};
    const auto first = persons_.begin() + listPosition;
    std::copy(first + 1, persons_.begin() + count_, first);
    --count_;
    return SavePersons();
}

} // namespace cyclo
