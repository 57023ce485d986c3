#include "register/Cp1252.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cyclo {
namespace {

// The person file keeps at most 40 characters of a name.
constexpr std::size_t kCut = 40;

TEST(Cp1252, EveryByteSurvivesDecodeAndEncode)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string utf8 = DecodeCp1252(all);
    EXPECT_EQ(EncodeCp1252(utf8, 1000), all);
}

TEST(Cp1252, MapsTheWindowsSpecificCharacters)
{
    struct Case
    {
        const char* utf8;
        const char* bytes;
    } const cases[] = {
        {"M\xC3\xBCller", "M\xFCller"},                     // ü, Latin-1 range
        {"\xE2\x82\xAC", "\x80"},                           // €
        {"\xC5\xA0koda", "\x8Akoda"},                       // Š
        {"\xE2\x80\x9Equote\xE2\x80\x9C", "\x84quote\x93"}, // „ “
        {"\xC5\xB8", "\x9F"},                               // Ÿ
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        EXPECT_EQ(EncodeCp1252(c.utf8, 40), c.bytes);
        EXPECT_EQ(DecodeCp1252(c.bytes), c.utf8);
    }
}

TEST(Cp1252, UnmappableAndMalformedBecomeQuestionMarks)
{
    EXPECT_EQ(EncodeCp1252("\xCE\xA9mega", 40), "?mega");          // Greek Omega
    EXPECT_EQ(EncodeCp1252("\xE6\x9D\xB1\xE4\xBA\xAC", 40), "??"); // two CJK characters
    EXPECT_EQ(EncodeCp1252("\xF0\x9F\x98\x80!", 40), "?!");        // emoji, one character
    EXPECT_EQ(EncodeCp1252("a\xFF"
                           "b",
                           40),
              "a?b");                              // stray byte
    EXPECT_EQ(EncodeCp1252("a\xC3", 40), "a?");    // truncated sequence
    EXPECT_EQ(EncodeCp1252("\xC0\xAF", 40), "??"); // overlong
}

TEST(Cp1252, CutCountsCharactersNotBytes)
{
    std::string umlauts;
    for (int i = 0; i < 45; ++i)
        umlauts += "\xC3\xA4"; // ä, two bytes in UTF-8, one in the file
    const std::string cut = EncodeCp1252(umlauts, 40);
    EXPECT_EQ(cut, std::string(40, '\xE4'));
    EXPECT_EQ(EncodeCp1252("\xF0\x9F\x98\x80\xF0\x9F\x98\x80", 1), "?");
}

// Which names the person file can keep: every character the file would hold
// must be one of Windows-1252's, or the name is refused with those that are
// not, each named once.
TEST(Cp1252, NamesOutsideTheCodePageAreFoundWithTheirCharacters)
{
    using Chars = std::vector<std::string>;
    const std::string fortyLetters(40, 'a');
    struct Case
    {
        const char* what;
        std::string name;
        Chars outside;
    } const cases[] = {
        {"plain ASCII", "Anna Meier-Schulz (2)", {}},
        {"Western European letters", "Fran\xC3\xA7ois \xC3\x98rsted-M\xC3\xBCller", {}},
        // € Š š Œ œ Ž ž Ÿ
        {"the letters only Windows-1252 adds",
         "\xE2\x82\xAC \xC5\xA0 \xC5\xA1 \xC5\x92 \xC5\x93 \xC5\xBD \xC5\xBE \xC5\xB8",
         {}},
        {"a name cut at 40 characters, something else past the cut",
         fortyLetters + "\xC5\x81\xF0\x9F\x98\x80", // Ł and an emoji are cut anyway
         {}},
        {"Polish",
         "\xC5\x81ukasz \xC5\xBB\xC3\xB3\xC5\x82\xC4\x87",  // Łukasz Żółć
         {"\xC5\x81", "\xC5\xBB", "\xC5\x82", "\xC4\x87"}}, // ó is Latin-1
        // Ελένη Παππά
        {"Greek, repeated letters named once",
         "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7 \xCE\xA0\xCE\xB1\xCF\x80\xCF\x80\xCE\xAC",
         {"\xCE\x95", "\xCE\xBB", "\xCE\xAD", "\xCE\xBD", "\xCE\xB7", "\xCE\xA0", "\xCE\xB1",
          "\xCF\x80", "\xCE\xAC"}},
        {"Cyrillic",
         "\xD0\x9E\xD0\xBB\xD0\xB3\xD0\xB0 \xD0\x9E", // Ольга О
         {"\xD0\x9E", "\xD0\xBB", "\xD0\xB3", "\xD0\xB0"}},
        {"CJK",
         "\xE5\xB1\xB1\xE7\x94\xB0 \xE5\xA4\xAA\xE9\x83\x8E", // 山田 太郎
         {"\xE5\xB1\xB1", "\xE7\x94\xB0", "\xE5\xA4\xAA", "\xE9\x83\x8E"}},
        {"an emoji beyond the 16-bit range, twice",
         "Tom \xF0\x9F\x98\x80\xF0\x9F\x98\x80",
         {"\xF0\x9F\x98\x80"}},
        {"malformed UTF-8",
         "a\xFF"
         "b",
         {"\xEF\xBF\xBD"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(CharactersOutsideCp1252(c.name, kCut), c.outside);
        // What the check lets through, the file keeps without a "?"; what it
        // refuses, the file would have mangled.
        EXPECT_EQ(EncodeCp1252(c.name, kCut).find('?') == std::string::npos, c.outside.empty());
    }
}

} // namespace
} // namespace cyclo
