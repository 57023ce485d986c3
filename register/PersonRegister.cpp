#include "register/PersonRegister.h"

#include "register/Cp1252.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

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

void PutU16(std::uint8_t* p, std::uint16_t v)
{
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

std::uint16_t GetU16(const std::uint8_t* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::string ErrnoText(int error)
{
    return std::error_code(error, std::generic_category()).message();
}

// Writes `size` bytes to `path` and forces them to the disk.
RegisterResult WriteDurably(const std::filesystem::path& path, const std::uint8_t* data,
                            std::size_t size)
{
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (!f)
        return {RegisterResult::Status::FileError, ErrnoText(errno)};
    int error = 0;
    if (std::fwrite(data, 1, size, f) != size || std::fflush(f) != 0)
        error = errno != 0 ? errno : EIO;
#ifdef _WIN32
    if (error == 0 && _commit(_fileno(f)) != 0)
        error = errno;
#else
    if (error == 0 && fsync(fileno(f)) != 0)
        error = errno;
#endif
    if (std::fclose(f) != 0 && error == 0)
        error = errno != 0 ? errno : EIO;
    if (error != 0)
        return {RegisterResult::Status::FileError, ErrnoText(error)};
    return RegisterResult::success();
}

// After a rename the directory entry itself must reach the disk too.
void SyncDirectory([[maybe_unused]] const std::filesystem::path& dir)
{
#ifndef _WIN32
    const std::string name = dir.empty() ? std::string(".") : dir.string();
    const int fd = ::open(name.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#endif
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
    std::ifstream in(file_, std::ios::binary);
    if (!in)
        return {RegisterResult::Status::FileError, ErrnoText(errno != 0 ? errno : ENOENT)};
    std::array<std::uint8_t, kPersonFileSize> buffer{};
    in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(buffer.size()));
    ReadImage(std::span(buffer.data(), static_cast<std::size_t>(in.gcount())));
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

RegisterResult PersonRegister::SavePersons() const
{
    const auto image = FileImage();
    std::filesystem::path temp = file_;
    temp += ".tmp";
    if (RegisterResult written = WriteDurably(temp, image.data(), image.size()); !written.ok()) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return written;
    }
    std::error_code error;
    std::filesystem::rename(temp, file_, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        return {RegisterResult::Status::FileError, error.message()};
    }
    SyncDirectory(file_.parent_path());
    return RegisterResult::success();
}

RegisterResult PersonRegister::AddPerson(std::string_view nameUtf8, const TYmd& birth)
{
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
    if (listPosition < 0 || listPosition >= count_)
        return {RegisterResult::Status::NoSuchPerson,
                "There is no person at position " + std::to_string(listPosition) + "."};
    const auto first = persons_.begin() + listPosition;
    std::copy(first + 1, persons_.begin() + count_, first);
    --count_;
    return SavePersons();
}

} // namespace cyclo
