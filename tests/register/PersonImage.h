#pragma once
// Person file images built by hand, byte by byte, independent of the code
// under test, and the distinct full lists that the tests with several
// writers save.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace cyclo::test {

inline constexpr std::size_t kImageSize = 4 + 100 * 48;

class FileImage
{
public:
    FileImage() : bytes_(kImageSize, 0) {}

    FileImage& count(std::int32_t n)
    {
        const auto u = static_cast<std::uint32_t>(n);
        for (int i = 0; i < 4; ++i)
            bytes_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(u >> (8 * i));
        return *this;
    }
    FileImage& person(int slot, const std::string& nameBytes, int year, int month, int day,
                      std::uint8_t lengthOverride = 0, std::uint8_t filler = 0)
    {
        std::uint8_t* r = record(slot);
        r[0] = lengthOverride ? lengthOverride : static_cast<std::uint8_t>(nameBytes.size());
        std::memcpy(r + 1, nameBytes.data(), std::min<std::size_t>(nameBytes.size(), 40));
        r[41] = filler;
        put16(r + 42, year);
        put16(r + 44, month);
        put16(r + 46, day);
        return *this;
    }
    std::uint8_t* record(int slot) { return bytes_.data() + 4 + (slot - 1) * 48; }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

private:
    static void put16(std::uint8_t* p, int v)
    {
        p[0] = static_cast<std::uint8_t>(v & 0xFF);
        p[1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
    }
    std::vector<std::uint8_t> bytes_;
};

// List `list` (0, 1, 2, ...): every slot used and every record unlike the
// same slot of any other list, so that a mixture of two lists or a cut file
// never equals one of them.
inline std::vector<std::uint8_t> DistinctList(int list)
{
    FileImage image;
    image.count(100 - list);
    for (int slot = 1; slot <= 100; ++slot)
        image.person(slot, "List " + std::to_string(list) + " person " + std::to_string(slot),
                     1900 + 10 * list + slot % 10, 1 + (slot + list) % 12, 1 + (slot + list) % 28,
                     0, static_cast<std::uint8_t>(0xA0 + list));
    return image.bytes();
}

} // namespace cyclo::test
