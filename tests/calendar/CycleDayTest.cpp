#include "calendar/CycleDay.h"

#include <chrono>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace cyclo {
namespace {

using std::chrono::sys_days;

constexpr int kIntellectual = 33;
constexpr int kEmotional = 28;
constexpr int kPhysical = 23;
constexpr int kIntuitive = 38;
constexpr int kPeriods[] = {kIntellectual, kEmotional, kPhysical, kIntuitive};

sys_days civil(const TYmd& date)
{
    return sys_days{std::chrono::year{date.Year} / std::chrono::month{date.Month} /
                    std::chrono::day{date.Day}};
}

TYmd ymd(sys_days days)
{
    const std::chrono::year_month_day date{days};
    return {static_cast<std::uint16_t>(static_cast<int>(date.year())),
            static_cast<std::uint16_t>(static_cast<unsigned>(date.month())),
            static_cast<std::uint16_t>(static_cast<unsigned>(date.day()))};
}

// Days between two dates by the standard library's civil calendar.
std::int32_t daysBetween(const TYmd& birth, const TYmd& day)
{
    return static_cast<std::int32_t>((civil(day) - civil(birth)).count());
}

// The sine in long double on the unreduced day, away from zero by hand.
int expectedValue(std::int32_t t, int period)
{
    const long double pi = 3.141592653589793238462643383279502884L;
    const long double value = 100.0L * std::sin(2.0L * pi * t / period);
    return static_cast<int>(value < 0 ? -std::floor(-value + 0.5L) : std::floor(value + 0.5L));
}

// -1, 0 or 1, with anything within a billionth of zero taken as zero.
int expectedSign(std::int32_t t, int period)
{
    const long double pi = 3.141592653589793238462643383279502884L;
    const long double sine = std::sin(2.0L * pi * t / period);
    if (std::fabs(sine) < 1e-9L)
        return 0;
    return sine > 0 ? 1 : -1;
}

bool expectedCritical(std::int32_t t, int period)
{
    const int today = expectedSign(t, period);
    const int before = expectedSign(t - 1, period);
    return today == 0 || (before != 0 && before != today);
}

// The critical days of a month, found by walking its days one by one.
std::vector<int> expectedCriticalDays(const TYmd& birth, int year, unsigned month, int period)
{
    std::vector<int> days;
    const std::chrono::year_month_day_last last{std::chrono::year{year} /
                                                std::chrono::month{month} / std::chrono::last};
    for (unsigned day = 1; day <= static_cast<unsigned>(last.day()); ++day) {
        const TYmd date{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                        static_cast<std::uint16_t>(day)};
        if (expectedCritical(daysBetween(birth, date), period))
            days.push_back(static_cast<int>(day));
    }
    return days;
}

const TYmd kBirth{1990, 4, 21};

TEST(CycleDay, ValuesAndCriticalDaysOfChosenDays)
{
    struct Case
    {
        const char* what;
        TYmd day; // of the person born kBirth
        int period;
        int value;
        bool critical;
    } const cases[] = {
        {"day of birth", {1990, 4, 21}, kIntellectual, 0, true},
        {"day of birth", {1990, 4, 21}, kEmotional, 0, true},
        {"day of birth", {1990, 4, 21}, kPhysical, 0, true},
        {"day of birth", {1990, 4, 21}, kIntuitive, 0, true},
        {"first day of life, rising", {1990, 4, 22}, kIntellectual, 19, false},
        {"top of the emotional cycle", {1990, 4, 28}, kEmotional, 100, false},
        {"just before the emotional zero", {1990, 5, 4}, kEmotional, 22, false},
        {"half the emotional period: zero", {1990, 5, 5}, kEmotional, 0, true},
        {"just after the emotional zero", {1990, 5, 6}, kEmotional, -22, false},
        {"bottom of the emotional cycle", {1990, 5, 12}, kEmotional, -100, false},
        {"before the physical sign change", {1990, 5, 2}, kPhysical, 14, false},
        {"after the physical sign change", {1990, 5, 3}, kPhysical, -14, true},
        {"intellectual turns negative", {1990, 5, 8}, kIntellectual, -10, true},
        {"half the intuitive period: zero", {1990, 5, 10}, kIntuitive, 0, true},
        {"a whole physical period: zero", {1990, 5, 14}, kPhysical, 0, true},
        {"the day before birth", {1990, 4, 20}, kPhysical, -27, false},
        {"before birth, sign change", {1990, 4, 10}, kPhysical, -14, true},
        {"before birth, the day before it", {1990, 4, 9}, kPhysical, 14, false},
        {"before birth, zero", {1990, 4, 7}, kEmotional, 0, true},
        {"before birth, intuitive", {1990, 4, 16}, kIntuitive, -74, false},
        {"years later", {2026, 12, 10}, kPhysical, -89, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << ", period " << c.period);
        const std::int32_t t = DaysSinceBirth(kBirth, c.day);
        EXPECT_EQ(t, daysBetween(kBirth, c.day));
        EXPECT_EQ(CycleValue(t, c.period), c.value);
        EXPECT_EQ(IsCriticalDay(t, c.period), c.critical);
    }
}

// Many persons and days, before and after the birth, against the sine in
// long double on the unreduced day.
TEST(CycleDay, AgreeWithTheSineOverManyBirthsAndDays)
{
    const TYmd births[] = {{1, 1, 1},     {1700, 1, 1},   {1900, 2, 28}, {1981, 4, 8},
                           {2000, 2, 29}, {2024, 12, 31}, {9999, 6, 15}};
    for (const TYmd& birth : births) {
        SCOPED_TRACE(testing::Message() << birth.Year << "-" << birth.Month << "-" << birth.Day);
        for (int offset = -400; offset <= 400; ++offset) {
            const sys_days when = civil(birth) + std::chrono::days{offset};
            const TYmd day = ymd(when);
            if (static_cast<int>(std::chrono::year_month_day{when}.year()) > 9999 ||
                static_cast<int>(std::chrono::year_month_day{when}.year()) < 1)
                continue;
            const std::int32_t t = DaysSinceBirth(birth, day);
            ASSERT_EQ(t, offset);
            for (const int period : kPeriods) {
                ASSERT_EQ(CycleValue(t, period), expectedValue(t, period))
                    << "day " << t << ", period " << period;
                ASSERT_EQ(IsCriticalDay(t, period), expectedCritical(t, period))
                    << "day " << t << ", period " << period;
            }
        }
    }
    // Far from the birth: thousands of years, both ways.
    for (const std::int32_t t : {3'000'000, 3'652'058, -3'652'058, -1'234'567}) {
        for (const int period : kPeriods) {
            EXPECT_EQ(CycleValue(t, period), expectedValue(t, period)) << t << ", " << period;
            EXPECT_EQ(IsCriticalDay(t, period), expectedCritical(t, period)) << t << ", " << period;
        }
    }
}

TEST(CycleDay, CriticalDaysOfAMonthMatchAWalkThroughItsDays)
{
    struct Case
    {
        TYmd birth;
        int year;
        unsigned month;
    } const cases[] = {
        {{1990, 4, 21}, 2026, 12}, {{1990, 4, 21}, 1990, 4}, {{1990, 4, 21}, 1990, 3},
        {{1981, 4, 8}, 1998, 6},   {{1981, 4, 8}, 2000, 2},  {{2000, 2, 29}, 2100, 2},
        {{1700, 1, 1}, 1700, 1},   {{2024, 6, 6}, 1900, 2},  {{2024, 6, 6}, 2024, 7},
    };
    for (const Case& c : cases) {
        for (const int period : kPeriods) {
            SCOPED_TRACE(testing::Message()
                         << c.birth.Year << "-" << c.birth.Month << "-" << c.birth.Day << " in "
                         << c.year << "-" << c.month << ", period " << period);
            EXPECT_EQ(CriticalDaysOfMonth(c.birth, static_cast<std::uint16_t>(c.year),
                                          static_cast<std::uint16_t>(c.month), period),
                      expectedCriticalDays(c.birth, c.year, c.month, period));
        }
    }
}

// No cycle goes longer than 19 days without a critical day, so no month
// lacks one.
TEST(CycleDay, EveryMonthHasCriticalDaysForEveryCycle)
{
    for (int year = 1999; year <= 2002; ++year)
        for (std::uint16_t month = 1; month <= 12; ++month)
            for (const int period : kPeriods)
                EXPECT_FALSE(
                    CriticalDaysOfMonth(kBirth, static_cast<std::uint16_t>(year), month, period)
                        .empty())
                    << year << "-" << month << ", period " << period;
}

TEST(CycleDay, CriticalDaysLines)
{
    EXPECT_EQ(CriticalDaysLine(kBirth, 2026, 12, Cycle::Physical),
              "Critical days of the physical cycle in December 2026: 3, 14, 26");
    // The birth month: the day of birth itself, then every half period.
    EXPECT_EQ(CriticalDaysLine(kBirth, 1990, 4, Cycle::Emotional),
              "Critical days of the emotional cycle in April 1990: 7, 21");
    EXPECT_EQ(CriticalDaysLine(kBirth, 1990, 5, Cycle::Intellectual),
              "Critical days of the intellectual cycle in May 1990: 8, 24");
    EXPECT_EQ(CriticalDaysLine(kBirth, 1990, 9, Cycle::Intuitive),
              "Critical days of the intuitive cycle in Septmeber 1990: 1, 20");
    EXPECT_EQ(CriticalDaysLine(kBirth, 1990, 13, Cycle::Physical),
              "Critical days of the physical cycle in  1990: none");
}

TEST(CycleDay, DayLines)
{
    constexpr CycleSelection kAll{true, true, true, true};
    struct Case
    {
        const char* what;
        TYmd day;
        CycleSelection selected;
        const char* line;
    } const cases[] = {
        {"all four, physical critical",
         {1990, 5, 3},
         kAll,
         "Intellectual 76 %  Emotional 43 %  Physical -14 %  Intuitive 92 %  Critical: physical"},
        {"physical switched off",
         {1990, 5, 3},
         {true, true, false, true},
         "Intellectual 76 %  Emotional 43 %  Intuitive 92 %"},
        {"only physical",
         {1990, 5, 3},
         {false, false, true, false},
         "Physical -14 %  Critical: physical"},
        {"two critical, in the legend's order",
         {1990, 11, 3},
         kAll,
         "Intellectual -37 %  Emotional 0 %  Physical -14 %  Intuitive 84 %  Critical: emotional, "
         "physical"},
        {"day of birth",
         {1990, 4, 21},
         kAll,
         "Intellectual 0 %  Emotional 0 %  Physical 0 %  Intuitive 0 %  Critical: intellectual, "
         "emotional, physical, intuitive"},
        {"nothing critical",
         {1990, 5, 2},
         kAll,
         "Intellectual 87 %  Emotional 62 %  Physical 14 %  Intuitive 97 %"},
        {"no curve", {1990, 5, 3}, {false, false, false, false}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(DayLine(kBirth, c.day, c.selected), c.line);
    }
}

} // namespace
} // namespace cyclo
