#include "calendar/DateTextRules.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <ostream>
#include <string>

namespace cyclo {

// Readable dates in failure messages.
static void PrintTo(const TYmd& date, std::ostream* os)
{
    *os << date.Year << "-" << date.Month << "-" << date.Day;
}

namespace {

std::string narrow(std::u16string_view text)
{
    std::string out;
    for (const char16_t c : text)
        out += c < 0x80 ? static_cast<char>(c) : '?';
    return out;
}

RegionalDateSettings regional(std::u16string shortDateFormat, char16_t separator,
                              bool farEast = false, std::u16string shortTimeFormat = u"HH:mm")
{
    RegionalDateSettings s;
    s.shortDateFormat = std::move(shortDateFormat);
    s.dateSeparator = separator;
    s.shortTimeFormat = std::move(shortTimeFormat);
    s.farEast = farEast;
    s.fourDigitYearByDefault = ContainsFourDigitYear(s.shortDateFormat);
    if (farEast) {
        s.timeAMString = u"午前";
        s.timePMString = u"午後";
    }
    return s;
}

constexpr int kThisYear = 2026;
constexpr std::u16string_view kStartingText = u"18.01.2001";

// --- Regional formats: order, format, mask and the dialog's starting text ---

struct RegionalFormatCase
{
    const char* name;
    RegionalDateSettings settings;
    DateOrder order;
    std::u16string_view fieldFormat; // four-digit year
    std::u16string_view defaultFieldFormat;
    std::u16string_view editMask;
    std::u16string_view qtMask;
    std::u16string_view fittedStart;
    std::optional<TYmd> startReadsAs;
};

const RegionalFormatCase kRegionalFormats[] = {
    {"day-month-year with '.'", regional(u"dd.MM.yyyy", u'.'), DateOrder::DayMonthYear,
     u"DD/MM/YYYY", u"DD/MM/YYYY", u"!99/99/9999;1; ", u"00.00.0000; ", u"18.01.2001",
     TYmd{2001, 1, 18}},
    {"day-month-year with '.', two-digit year", regional(u"dd.MM.yy", u'.'),
     DateOrder::DayMonthYear, u"DD/MM/YYYY", u"DD/MM/YY", u"!99/99/9999;1; ", u"00.00.0000; ",
     u"18.01.2001", TYmd{2001, 1, 18}},
    {"month-day-year with '/'", regional(u"M/d/yyyy", u'/'), DateOrder::MonthDayYear, u"MM/DD/YYYY",
     u"MM/DD/YYYY", u"!99/99/9999;1; ", u"00/00/0000; ", u"01/  /    ", std::nullopt},
    {"year-month-day with '-'", regional(u"yyyy-MM-dd", u'-'), DateOrder::YearMonthDay,
     u"YYYY/MM/DD", u"YYYY/MM/DD", u"!9999/99/99;1; ", u"0000-00-00; ", u"2001-  -  ",
     std::nullopt},
    {"year-month-day with '.'", regional(u"yyyy. MM. dd.", u'.'), DateOrder::YearMonthDay,
     u"YYYY/MM/DD", u"YYYY/MM/DD", u"!9999/99/99;1; ", u"0000.00.00; ", u"  18.01.01",
     TYmd{2018, 1, 1}},
    {"Far-East year-month-day", regional(u"yyyy/MM/dd", u'/', true), DateOrder::YearMonthDay,
     u"YYYY/MM/DD", u"YYYY/MM/DD", u"!9999/99/99;1; ", u"0000/00/00; ", u"2001/  /  ",
     std::nullopt},
    {"era before a year", regional(u"gg yy/MM/dd", u'/', true), DateOrder::YearMonthDay,
     u"YYYY/MM/DD", u"YY/MM/DD", u"!9999/99/99;1; ", u"0000/00/00; ", u"2001/  /  ", std::nullopt},
    {"none of D, M, Y, E", regional(u"TT.OO.JJJJ", u'.'), DateOrder::DayMonthYear, u"DD/MM/YYYY",
     u"DD/MM/YY", u"!99/99/9999;1; ", u"00.00.0000; ", u"18.01.2001", TYmd{2001, 1, 18}},
};

TEST(DateTextRules, RegionalFormatsGiveOrderFormatMaskAndStartingText)
{
    for (const auto& c : kRegionalFormats) {
        SCOPED_TRACE(c.name);
        const RegionalDateSettings& s = c.settings;
        EXPECT_EQ(DateOrderOf(s.shortDateFormat), c.order);

        const std::u16string format = DateFieldFormat(c.order, true);
        EXPECT_EQ(format, c.fieldFormat);
        EXPECT_EQ(DateOrderOf(format), c.order);
        EXPECT_EQ(DateFieldFormat(
                      c.order, UsesFourDigitYear(TYearDigits::dyDefault, s.fourDigitYearByDefault)),
                  c.defaultFieldFormat);

        const std::u16string mask = DateEditMask(c.order, true, u' ');
        EXPECT_EQ(mask, c.editMask);
        EXPECT_EQ(QtInputMaskOf(mask, s.dateSeparator), c.qtMask);

        const std::u16string fitted = FitTextToMask(kStartingText, mask, s.dateSeparator);
        EXPECT_EQ(fitted, c.fittedStart) << narrow(fitted);
        EXPECT_EQ(ParseDateText(format, fitted, s, kThisYear), c.startReadsAs);
    }
}

// The fitted starting text in a year-month-day locale with "." names the
// year 18, which lands in 2018 for every current year up to 2078.
TEST(DateTextRules, StartingTextInYearFirstLocaleReadsAsJanuaryFirst2018)
{
    const RegionalDateSettings s = regional(u"yyyy.MM.dd", u'.');
    const std::u16string fitted =
        FitTextToMask(kStartingText, DateEditMask(DateOrder::YearMonthDay, true, u' '), u'.');
    for (int year = 2019; year <= 2077; ++year) {
        SCOPED_TRACE(year);
        EXPECT_EQ(ParseDateText(u"YYYY/MM/DD", fitted, s, year), (TYmd{2018, 1, 1}));
    }
}

// --- Reading texts --------------------------------------------------------

struct ReadCase
{
    const char* name;
    RegionalDateSettings settings;
    std::u16string_view fieldFormat;
    std::u16string_view text;
    std::optional<TYmd> expected;
};

const RegionalDateSettings kDmyDot = regional(u"dd.MM.yyyy", u'.');
const RegionalDateSettings kMdySlash = regional(u"M/d/yyyy", u'/');
const RegionalDateSettings kYmdDash = regional(u"yyyy-MM-dd", u'-');
const RegionalDateSettings kJapanese = regional(u"yyyy/MM/dd", u'/', true, u"H:mm");
const RegionalDateSettings kJapaneseDayName = regional(u"yyyy/MM/dd ddd", u'/', true, u"H:mm");
const RegionalDateSettings kDigitTime = regional(u"yyyy/MM/dd ddd", u'/', true, u"0H:mm");
const RegionalDateSettings kEra = regional(u"gg yyyy/MM/dd", u'/', true, u"H:mm");
// Only a lower-case "g" and "ddd" mark an era and a day name.
const RegionalDateSettings kUpperEra = regional(u"GG yyyy/MM/dd", u'/', true, u"H:mm");
const RegionalDateSettings kUpperDayName = regional(u"yyyy/MM/dd DDD", u'/', true, u"H:mm");
const RegionalDateSettings kNoLetters = regional(u"TT.OO.JJJJ", u'.');

const ReadCase kReadCases[] = {
    // day-month-year, "."
    {"full date", kDmyDot, u"DD/MM/YYYY", u"05.03.1970", TYmd{1970, 3, 5}},
    {"31 February", kDmyDot, u"DD/MM/YYYY", u"31.02.2001", std::nullopt},
    {"two year digits, two blank", kDmyDot, u"DD/MM/YYYY", u"05.03.70  ", TYmd{1970, 3, 5}},
    {"blank year", kDmyDot, u"DD/MM/YYYY", u"05.03.    ", std::nullopt},
    {"empty field", kDmyDot, u"DD/MM/YYYY", u"  .  .    ", std::nullopt},
    {"empty string", kDmyDot, u"DD/MM/YYYY", u"", std::nullopt},
    {"leading blanks in parts", kDmyDot, u"DD/MM/YYYY", u" 5. 3.1970", TYmd{1970, 3, 5}},
    {"blank inside the year", kDmyDot, u"DD/MM/YYYY", u"05.03.1 97", TYmd{197, 3, 5}},
    {"year 0 of the window", kDmyDot, u"DD/MM/YYYY", u"29.02.0000", TYmd{2000, 2, 29}},
    {"blank month", kDmyDot, u"DD/MM/YYYY", u"05.  .1970", std::nullopt},
    {"free scan, short parts", kDmyDot, u"DD/MM/YYYY", u"5.3.1970", TYmd{1970, 3, 5}},
    {"free scan, day and month only", kDmyDot, u"DD/MM/YYYY", u"5.3", TYmd{2026, 3, 5}},
    {"free scan, trailing separator", kDmyDot, u"DD/MM/YYYY", u"5.3.", std::nullopt},
    {"free scan, longer than the format", kDmyDot, u"DD/MM/YYYY", u" 05 . 03 . 1970 ",
     TYmd{1970, 3, 5}},
    {"free scan, five-digit year", kDmyDot, u"DD/MM/YYYY", u"05.03.19701", std::nullopt},
    {"free scan, leading zeros", kDmyDot, u"DD/MM/YYYY", u"05.03.0001970", TYmd{1970, 3, 5}},
    {"free scan, trailing text", kDmyDot, u"DD/MM/YYYY", u"05.03.1970 x", std::nullopt},
    {"free scan, wrong separator", kDmyDot, u"DD/MM/YYYY", u"5/3/1970", std::nullopt},
    {"letters", kDmyDot, u"DD/MM/YYYY", u"ab.cd.efgh", std::nullopt},
    {"two-digit field", kDmyDot, u"DD/MM/YY", u"05.03.66", TYmd{1966, 3, 5}},
    {"two-digit field, window end", kDmyDot, u"DD/MM/YY", u"05.03.65", TYmd{2065, 3, 5}},
    {"two-digit field, leap day 2000", kDmyDot, u"DD/MM/YY", u"29.02.00", TYmd{2000, 2, 29}},
    {"two-digit field, no leap day", kDmyDot, u"DD/MM/YY", u"29.02.01", std::nullopt},
    // month-day-year, "/"
    {"US full date", kMdySlash, u"MM/DD/YYYY", u"03/05/1970", TYmd{1970, 3, 5}},
    {"US 31 February", kMdySlash, u"MM/DD/YYYY", u"02/31/2001", std::nullopt},
    {"US two year digits", kMdySlash, u"MM/DD/YYYY", u"03/05/70  ", TYmd{1970, 3, 5}},
    {"US blank year", kMdySlash, u"MM/DD/YYYY", u"03/05/    ", std::nullopt},
    {"US month and day only", kMdySlash, u"MM/DD/YYYY", u"3/5", TYmd{2026, 3, 5}},
    // year-month-day, "-"
    {"ISO full date", kYmdDash, u"YYYY/MM/DD", u"1970-03-05", TYmd{1970, 3, 5}},
    {"ISO 31 February", kYmdDash, u"YYYY/MM/DD", u"2001-02-31", std::nullopt},
    {"ISO two year digits", kYmdDash, u"YYYY/MM/DD", u"  70-03-05", TYmd{1970, 3, 5}},
    {"ISO blank year", kYmdDash, u"YYYY/MM/DD", u"    -03-05", std::nullopt},
    {"ISO free scan", kYmdDash, u"YYYY/MM/DD", u"70-3-5", TYmd{1970, 3, 5}},
    {"ISO month and day only", kYmdDash, u"YYYY/MM/DD", u"3-5", TYmd{2026, 3, 5}},
    // Far East
    {"Japanese date", kJapanese, u"YYYY/MM/DD", u"1970/03/05", TYmd{1970, 3, 5}},
    {"day name skipped", kJapaneseDayName, u"YYYY/MM/DD", u"1970/03/05 木", TYmd{1970, 3, 5}},
    {"words skipped", kJapaneseDayName, u"YYYY/MM/DD", u"1970/03/05 木 曜日", TYmd{1970, 3, 5}},
    {"stops at the AM text", kJapaneseDayName, u"YYYY/MM/DD", u"1970/03/05 木 午前", std::nullopt},
    {"no day name in the format", kJapanese, u"YYYY/MM/DD", u"1970/03/05 木", std::nullopt},
    {"digit time: up to a digit", kDigitTime, u"YYYY/MM/DD", u"1970/03/05 木", TYmd{1970, 3, 5}},
    {"digit time: stops at a digit", kDigitTime, u"YYYY/MM/DD", u"1970/03/05 木 9", std::nullopt},
    {"era name skipped", kEra, u"YYYY/MM/DD", u"平成 2001/01/18", TYmd{2001, 1, 18}},
    {"no era in the format", kJapanese, u"YYYY/MM/DD", u"平成 2001/01/18", std::nullopt},
    {"upper-case G is no era", kUpperEra, u"YYYY/MM/DD", u"平成 2001/01/18", std::nullopt},
    {"upper-case DDD is no day name", kUpperDayName, u"YYYY/MM/DD", u"1970/03/05 木", std::nullopt},
    // No order letter
    {"no letters: day first", kNoLetters, u"DD/MM/YYYY", u"05.03.1970", TYmd{1970, 3, 5}},
    {"no letters: free scan", kNoLetters, u"DD/MM/YYYY", u"5.3.70", TYmd{1970, 3, 5}},
};

TEST(DateTextRules, ReadsTextsPositionallyAndByFreeScan)
{
    for (const auto& c : kReadCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseDateText(c.fieldFormat, c.text, c.settings, kThisYear), c.expected);
    }
}

TEST(DateTextRules, BlankYearNeverReadsAsAMadeUpYear)
{
    for (int year : {1999, 2026, 2099}) {
        SCOPED_TRACE(year);
        EXPECT_EQ(ReadDatePart(u"DD/MM/YYYY", u"05.03.    ", u'Y', year), kBlankDatePart);
        EXPECT_EQ(WidenTwoDigitYear(kBlankDatePart, year), kBlankDatePart);
        EXPECT_FALSE(ParseDateText(u"DD/MM/YYYY", u"05.03.    ", kDmyDot, year));
        EXPECT_FALSE(ParseDateText(u"DD/MM/YY", u"05.03.  ", kDmyDot, year));
    }
}

// --- The parts of the read --------------------------------------------------

TEST(DateTextRules, ReadDatePartTakesTheDigitsUnderItsLetter)
{
    struct Case
    {
        std::u16string_view format;
        std::u16string_view text;
        char16_t letter;
        int expected;
    } const cases[] = {
        {u"DD/MM/YYYY", u"05.03.1970", u'D', 5},
        {u"DD/MM/YYYY", u"05.03.1970", u'M', 3},
        {u"DD/MM/YYYY", u"05.03.1970", u'Y', 1970},
        {u"DD/MM/YYYY", u"05.03.1970", u'y', 1970}, // letters without case
        {u"dd/mm/yyyy", u"05.03.1970", u'M', 3},
        {u"DD/MM/YYYY", u"05.03.19", u'Y', 19},    // shorter text: only its positions
        {u"DD/MM/YYYY", u"05.03.1970x", u'D', 42}, // longer text: the default
        {u"DD/MM", u"05.03", u'Y', 42},            // no such letter: the default
        {u"DD/MM/YYYY", u"  .03.1970", u'D', kBlankDatePart},
        {u"DD/MM/YYYY", u"0x.03.1970", u'D', kBlankDatePart},
        {u"DD/MM/YYYY", u"-5.03.1970", u'D', kBlankDatePart}, // digits only, no sign
        {u"DD/MM/YYYY", u"+5.03.1970", u'D', kBlankDatePart},
        {u"DD/MM/YYYY", u"٥٥.03.1970", u'D', kBlankDatePart}, // ASCII digits only
        {u"YYYYYYYYYYYYYYYYYYYY", u"00000000000000000007", u'Y', 7},
        {u"YYYYYYYYYYYYYYYYYYYYYY", u"0000000000000000000712", u'Y', 7},          // 20 collected
        {u"YYYYYYYYYYYYYYYYYYYY", u"99999999999999999999", u'Y', kBlankDatePart}, // too large
        {u"YYYYYYYYYY", u"2147483647", u'Y', 2147483647},
        {u"YYYYYYYYYY", u"2147483648", u'Y', kBlankDatePart},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.format) + " " + narrow(c.text) + " " + static_cast<char>(c.letter));
        EXPECT_EQ(ReadDatePart(c.format, c.text, c.letter, 42), c.expected);
    }
}

TEST(DateTextRules, TwoDigitYearsLandInTheWindowBeforeTheCurrentYear)
{
    struct Case
    {
        int currentYear;
        int year;
        int expected;
    } const cases[] = {
        {2026, 66, 1966},   {2026, 99, 1999},
        {2026, 0, 2000},    {2026, 65, 2065},
        {2026, 70, 1970},   {2026, 100, 100},
        {2026, 1970, 1970}, {2026, -1, -1},
        {2099, 39, 2039},   {2099, 38, 2138},
        {2099, 99, 2099},   {2100, 40, 2040},
        {2100, 39, 2139},   {2060, 0, 2000},
        {2060, 99, 2099},   {2059, 99, 1999},
        {2059, 98, 2098},   {1999, 39, 1939},
        {1999, 38, 2038},   {1, 5, 5},
        {9999, 0, 10000},   {std::numeric_limits<int>::max(), 86, std::numeric_limits<int>::max()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.currentYear << ": " << c.year);
        EXPECT_EQ(WidenTwoDigitYear(c.year, c.currentYear), c.expected);
    }
}

TEST(DateTextRules, EveryTwoDigitYearFindsItsOwnPlaceInTheWindow)
{
    for (int currentYear = YearWindowShift; currentYear <= 9999; currentYear += 37) {
        const int windowStart = currentYear - YearWindowShift;
        for (int year = 0; year < 100; ++year) {
            const int widened = WidenTwoDigitYear(year, currentYear);
            ASSERT_GE(widened, windowStart) << currentYear << " " << year;
            ASSERT_LT(widened, windowStart + 100) << currentYear << " " << year;
            ASSERT_EQ(((widened % 100) + 100) % 100, year) << currentYear;
        }
    }
}

TEST(DateTextRules, ScanNeedsTwoNumbersAndASeparator)
{
    const std::u16string_view failing[] = {u"",         u"5",    u"5.",         u".3",
                                           u"5 3 1970", u"5..3", u"5.3.1970.1", u"x5.3.1970"};
    for (const auto text : failing) {
        SCOPED_TRACE(narrow(text));
        EXPECT_FALSE(ScanDateText(text, DateOrder::DayMonthYear, kDmyDot, kThisYear));
    }
    EXPECT_EQ(ScanDateText(u"5.3.1970.", DateOrder::DayMonthYear, kDmyDot, kThisYear),
              (TYmd{1970, 3, 5}));
    EXPECT_EQ(ScanDateText(u"1970.3.5", DateOrder::YearMonthDay, kDmyDot, kThisYear),
              (TYmd{1970, 3, 5}));
    EXPECT_EQ(ScanDateText(u"3.5.1970", DateOrder::MonthDayYear, kDmyDot, kThisYear),
              (TYmd{1970, 3, 5}));
    // Without a year, only day-month-year reads the day first.
    EXPECT_EQ(ScanDateText(u"5.3", DateOrder::YearMonthDay, kDmyDot, kThisYear),
              (TYmd{kThisYear, 5, 3}));
    // The current year itself must be a valid year.
    EXPECT_FALSE(ScanDateText(u"5.3", DateOrder::DayMonthYear, kDmyDot, 10000));
}

// --- Format, fitting and display ----------------------------------------------

TEST(DateTextRules, FieldFormatsAndMasksForEveryOrderAndWidth)
{
    struct Case
    {
        DateOrder order;
        bool four;
        std::u16string_view format;
        std::u16string_view mask;
    } const cases[] = {
        {DateOrder::DayMonthYear, true, u"DD/MM/YYYY", u"!99/99/9999;1;_"},
        {DateOrder::MonthDayYear, true, u"MM/DD/YYYY", u"!99/99/9999;1;_"},
        {DateOrder::YearMonthDay, true, u"YYYY/MM/DD", u"!9999/99/99;1;_"},
        {DateOrder::DayMonthYear, false, u"DD/MM/YY", u"!99/99/99;1;_"},
        {DateOrder::MonthDayYear, false, u"MM/DD/YY", u"!99/99/99;1;_"},
        {DateOrder::YearMonthDay, false, u"YY/MM/DD", u"!99/99/99;1;_"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.format));
        EXPECT_EQ(DateFieldFormat(c.order, c.four), c.format);
        EXPECT_EQ(DateEditMask(c.order, c.four, u'_'), c.mask);
    }
    EXPECT_TRUE(UsesFourDigitYear(TYearDigits::dyFour, false));
    EXPECT_FALSE(UsesFourDigitYear(TYearDigits::dyTwo, true));
    EXPECT_TRUE(UsesFourDigitYear(TYearDigits::dyDefault, true));
    EXPECT_FALSE(UsesFourDigitYear(TYearDigits::dyDefault, false));
    EXPECT_TRUE(ContainsFourDigitYear(u"dd.MM.yYyY"));
    EXPECT_FALSE(ContainsFourDigitYear(u"dd.MM.yyy"));
}

TEST(DateTextRules, BlanksCharBelow32IsABlank)
{
    EXPECT_EQ(EffectiveBlanksChar(u'\0'), u' ');
    EXPECT_EQ(EffectiveBlanksChar(u'\t'), u' ');
    EXPECT_EQ(EffectiveBlanksChar(u'\x1f'), u' ');
    EXPECT_EQ(EffectiveBlanksChar(u'_'), u'_');
    EXPECT_EQ(DateEditMask(DateOrder::DayMonthYear, true, u'\t'), u"!99/99/9999;1; ");
}

TEST(DateTextRules, QtMaskWritesTheSeparatorAndEscapesMaskCharacters)
{
    const std::u16string mask = DateEditMask(DateOrder::DayMonthYear, true, u'_');
    EXPECT_EQ(QtInputMaskOf(mask, u'.'), u"00.00.0000;_");
    EXPECT_EQ(QtInputMaskOf(mask, u'h'), u"00\\h00\\h0000;_");
    EXPECT_EQ(QtInputMaskOf(mask, u'\\'), u"00\\\\00\\\\0000;_");
    EXPECT_EQ(QtInputMaskOf(u"!99/99/99;1;", u'-'), u"00-00-00; ");
}

TEST(DateTextRules, AssignedTextsAreFittedPartByPart)
{
    const std::u16string dmy = DateEditMask(DateOrder::DayMonthYear, true, u' ');
    const std::u16string ymd = DateEditMask(DateOrder::YearMonthDay, true, u' ');
    const std::u16string two = DateEditMask(DateOrder::DayMonthYear, false, u' ');
    struct Case
    {
        std::u16string_view mask;
        std::u16string_view text;
        std::u16string_view fitted;
    } const cases[] = {
        {dmy, u"05.03.1970", u"05.03.1970"},
        {dmy, u"", u"  .  .    "},
        {dmy, u"  .  .    ", u"  .  .    "},
        {dmy, u"5.3.70", u" 5. 3.  70"},
        {dmy, u"5", u" 5.  .    "},
        {dmy, u"123.4567.12345", u"23.67.2345"},
        {dmy, u"05.03.1970.xyz", u"05.03.1970"},
        {dmy, u"ab.c1.__70", u"  . 1.  70"},
        {dmy, u"2001", u"01.  .    "},
        {ymd, u"18.01.2001", u"  18.01.01"},
        {two, u"05.03.1970", u"05.03.70"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.mask) + " " + narrow(c.text));
        const std::u16string fitted = FitTextToMask(c.text, c.mask, u'.');
        EXPECT_EQ(fitted, c.fitted) << narrow(fitted);
    }
}

TEST(DateTextRules, DisplayTextUsesTheBlanksCharAndReadsBack)
{
    const std::u16string mask = DateEditMask(DateOrder::DayMonthYear, true, u'_');
    EXPECT_EQ(DisplayTextOf(u" 5.03.19  ", mask), u"_5.03.19__");
    EXPECT_EQ(FieldTextOf(u"_5.03.19__", mask), u" 5.03.19  ");
    EXPECT_EQ(FieldTextOf(u"__.__.____", mask), u"  .  .    ");
    // A separator equal to the blanks character stays a separator.
    EXPECT_EQ(FieldTextOf(u"05_03_1970", mask), u"05_03_1970");
}

TEST(DateTextRules, DatesAreWrittenWithTheFieldFormat)
{
    struct Case
    {
        std::u16string_view format;
        char16_t separator;
        TYmd date;
        std::u16string_view text;
    } const cases[] = {
        {u"DD/MM/YYYY", u'.', {1970, 3, 5}, u"05.03.1970"},
        {u"MM/DD/YYYY", u'/', {1970, 3, 5}, u"03/05/1970"},
        {u"YYYY/MM/DD", u'-', {1, 1, 1}, u"0001-01-01"},
        {u"DD/MM/YY", u'.', {2000, 12, 31}, u"31.12.00"},
        {u"YY/MM/DD", u'.', {1999, 1, 9}, u"99.01.09"},
        {u"D. M. YYYY", u'.', {2001, 1, 8}, u"8. 1. 2001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        EXPECT_EQ(FormatDateText(c.format, c.separator, c.date), c.text);
    }
}

// What the field writes, it reads back: for every order and width, every
// date whose year the width can hold (two digits: inside the window).
TEST(DateTextRules, WrittenDatesReadBackUnchanged)
{
    const RegionalDateSettings s = kDmyDot;
    for (const DateOrder order :
         {DateOrder::DayMonthYear, DateOrder::MonthDayYear, DateOrder::YearMonthDay}) {
        for (const bool four : {true, false}) {
            const std::u16string format = DateFieldFormat(order, four);
            SCOPED_TRACE(narrow(format));
            const int firstYear = four ? 100 : kThisYear - YearWindowShift;
            const int lastYear = four ? kMaxYear : firstYear + 99;
            for (int year = firstYear; year <= lastYear; year += four ? 7 : 1) {
                for (const TYmd date : {TYmd{static_cast<std::uint16_t>(year), 1, 1},
                                        TYmd{static_cast<std::uint16_t>(year), 2, 28},
                                        TYmd{static_cast<std::uint16_t>(year), 12, 31}}) {
                    const std::u16string text = FormatDateText(format, s.dateSeparator, date);
                    ASSERT_EQ(ParseDateText(format, text, s, kThisYear), date) << narrow(text);
                }
            }
        }
    }
}

// --- Dates and day counts ---------------------------------------------------

TEST(DateTextRules, DatesAreValidFromYear1ToYear9999)
{
    struct Case
    {
        int year, month, day;
        bool valid;
    } const cases[] = {
        {1, 1, 1, true},
        {9999, 12, 31, true},
        {0, 12, 31, false},
        {10000, 1, 1, false},
        {2001, 2, 29, false},
        {2000, 2, 29, true},
        {1900, 2, 29, false},
        {2001, 13, 1, false},
        {2001, 0, 1, false},
        {2001, 1, 0, false},
        {2001, 4, 31, false},
        {-1, 1, 1, false},
        {65536 + 2001, 1, 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
        EXPECT_EQ(IsValidDate(c.year, c.month, c.day), c.valid);
        EXPECT_EQ(MakeDate(c.year, c.month, c.day).has_value(), c.valid);
    }
}

TEST(DateTextRules, DayCountsStartOn30December1899)
{
    EXPECT_EQ(DateToDayCount({1899, 12, 30}), 0);
    EXPECT_EQ(DateToDayCount({1900, 1, 1}), 2);
    EXPECT_EQ(DateToDayCount({2001, 1, 18}), 36909);
    EXPECT_EQ(DateToDayCount({1, 1, 1}), -693593);
    EXPECT_EQ(DateToDayCount({9999, 12, 31}), 2958465);
    EXPECT_FALSE(DateToDayCount({2001, 2, 29}));

    EXPECT_EQ(DayCountToDate(NoDate), (TYmd{1899, 12, 30}));
    EXPECT_EQ(DayCountToDate(36909.75), (TYmd{2001, 1, 18}));
    EXPECT_EQ(DayCountToDate(-0.5), (TYmd{1899, 12, 30}));
    EXPECT_EQ(DayCountToDate(-1.25), (TYmd{1899, 12, 29}));
    EXPECT_EQ(DayCountToDate(-693593.0), (TYmd{1, 1, 1}));
    EXPECT_EQ(DayCountToDate(2958465.9), (TYmd{9999, 12, 31}));
    EXPECT_FALSE(DayCountToDate(-693594.0));
    EXPECT_FALSE(DayCountToDate(2958466.0));
    EXPECT_FALSE(DayCountToDate(std::nan("")));
    EXPECT_FALSE(DayCountToDate(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(DayCountToDate(1e300));
}

TEST(DateTextRules, EveryDayCountRoundTrips)
{
    const std::int32_t first = *DateToDayCount({1, 1, 1});
    const std::int32_t last = *DateToDayCount({9999, 12, 31});
    for (std::int32_t count = first; count <= last; ++count) {
        const std::optional<TYmd> date = DayCountToDate(count);
        ASSERT_TRUE(date) << count;
        ASSERT_EQ(DateToDayCount(*date), count);
    }
}

} // namespace
} // namespace cyclo
