#include "register/Cp1252.h"

#include <gtest/gtest.h>
#include <string>

namespace cyclo {
namespace {

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

} // namespace
} // namespace cyclo
