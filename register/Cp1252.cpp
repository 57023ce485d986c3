#include "register/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace cyclo {
namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ToCodePoint(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80U];
    return byte;
}

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

int FromCodePoint(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp)
            return static_cast<int>(0x80 + i);
    return -1;
}

// Reads one code point at `pos`, advancing it; malformed input yields one
// invalid marker per byte.
constexpr char32_t kInvalid = 0xFFFFFFFF;

char32_t NextCodePoint(std::string_view s, std::size_t& pos)
{
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1FU;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0FU;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07U;
    } else {
        return kInvalid;
    }
    if (pos + static_cast<std::size_t>(extra) > s.size())
        return kInvalid;
    for (int i = 0; i < extra; ++i) {
        const auto c = static_cast<unsigned char>(s[pos + static_cast<std::size_t>(i)]);
        if ((c & 0xC0) != 0x80)
            return kInvalid;
        cp = (cp << 6) | (c & 0x3FU);
    }
    constexpr std::array<char32_t, 4> kSmallest = {0, 0x80, 0x800, 0x10000};
    if (cp < kSmallest[static_cast<std::size_t>(extra)] || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return kInvalid;
    pos += static_cast<std::size_t>(extra);
    return cp;
}

constexpr char32_t kReplacementCharacter = 0xFFFD;

} // namespace

std::string DecodeCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes)
        AppendUtf8(out, ToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string EncodeCp1252(std::string_view utf8, std::size_t maxChars)
{
    std::string out;
    std::size_t pos = 0;
    while (pos < utf8.size() && out.size() < maxChars) {
        const char32_t cp = NextCodePoint(utf8, pos);
        const int byte = cp == kInvalid ? -1 : FromCodePoint(cp);
        out += byte < 0 ? '?' : static_cast<char>(static_cast<unsigned char>(byte));
    }
    return out;
}

std::vector<std::string> CharactersOutsideCp1252(std::string_view utf8, std::size_t maxChars)
{
    std::vector<std::string> outside;
    std::size_t pos = 0;
    for (std::size_t chars = 0; pos < utf8.size() && chars < maxChars; ++chars) {
        const char32_t cp = NextCodePoint(utf8, pos);
        if (cp != kInvalid && FromCodePoint(cp) >= 0)
            continue;
        std::string text;
        AppendUtf8(text, cp == kInvalid ? kReplacementCharacter : cp);
        if (std::find(outside.begin(), outside.end(), text) == outside.end())
            outside.push_back(std::move(text));
    }
    return outside;
}

} // namespace cyclo
