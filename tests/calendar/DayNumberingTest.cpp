#include "calendar/DayNumbering.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace cyclo {
namespace {

TEST(DayNumbering, LeapYearsFollowTheGregorianRule)
{
    struct Case
    {
        int year;
        bool leap;
    } const cases[] = {{0, true},     {1, false},    {4, true},    {100, false},
                       {400, true},   {1900, false}, {1996, true}, {2000, true},
                       {2001, false}, {2100, false}, {2400, true}, {9999, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        EXPECT_EQ(IsLeapYear(c.year), c.leap);
    }
}

TEST(DayNumbering, MonthLengths)
{
    struct Case
    {
        int year;
        unsigned month;
        int days;
    } const cases[] = {{1900, 2, 28}, {2000, 2, 29}, {2100, 2, 28},  {2400, 2, 29},
                       {2001, 1, 31}, {2001, 4, 30}, {2001, 12, 31}, {2024, 2, 29}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days);
    }
}

TEST(DayNumbering, MonthsOutsideTheYearHaveNoDays)
{
    for (unsigned month : {0U, 13U, 200U, 65535U})
        EXPECT_EQ(DaysInMonth(2000, month), 0) << month;
}

TEST(DayNumbering, KnownDifferences)
{
    EXPECT_EQ(DayNumber({1, 1, 1}), 367);
    EXPECT_EQ(DayNumber({0, 1, 1}), 1);
    EXPECT_EQ(DayNumber({2000, 3, 1}) - DayNumber({2000, 2, 28}), 2);
    EXPECT_EQ(DayNumber({2001, 1, 1}) - DayNumber({2000, 1, 1}), 366);
    EXPECT_EQ(DayNumber({1900, 3, 1}) - DayNumber({1900, 2, 28}), 1);
}

// The day of life, DayNumber(day) - DayNumber(birth) + 1, against a count of
// the days from the birth up to and including `day`, one calendar page at a
// time. A person born today is on day 1 of life today.
TEST(DayNumbering, DayOfLifeCountsTheDaysLived)
{
    constexpr std::array<int, 13> kMonthLength = {0,  31, 28, 31, 30, 31, 30,
                                                  31, 31, 30, 31, 30, 31};
    const auto nextDay = [&](TYmd date) {
        const bool leap = date.Year % 4 == 0 && (date.Year % 100 != 0 || date.Year % 400 == 0);
        const int length = date.Month == 2 && leap ? 29 : kMonthLength[date.Month];
        if (++date.Day > length) {
            date.Day = 1;
            if (++date.Month > 12) {
                date.Month = 1;
                ++date.Year;
            }
        }
        return date;
    };
    struct Case
    {
        TYmd birth;
        TYmd day;
    } const cases[] = {
        {{2026, 12, 9}, {2026, 12, 9}}, {{2026, 12, 8}, {2026, 12, 9}},
        {{1999, 12, 31}, {2000, 1, 1}}, {{2000, 2, 28}, {2000, 3, 1}},
        {{1900, 2, 28}, {1900, 3, 1}},  {{1998, 6, 6}, {2001, 9, 11}},
        {{1981, 4, 8}, {1998, 6, 6}},   {{1896, 2, 29}, {1904, 3, 1}},
        {{0, 1, 1}, {1, 1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.birth.Year << "-" << c.birth.Month << "-" << c.birth.Day << " to "
                     << c.day.Year << "-" << c.day.Month << "-" << c.day.Day);
        int lived = 1;
        for (TYmd date = c.birth; !(date == c.day); date = nextDay(date))
            ++lived;
        EXPECT_EQ(DayNumber(c.day) - DayNumber(c.birth) + 1, lived);
    }
}

// The definition: whole years summed from year 0, then the months before,
// then the day. Checked for every day of the years 0 to 9999.
TEST(DayNumbering, AgreesWithTheSummingDefinitionEveryDay)
{
    std::int32_t yearStart = 0;
    for (int year = 0; year <= 9999; ++year) {
        std::int32_t monthStart = yearStart;
        for (unsigned month = 1; month <= 12; ++month) {
            const int days = DaysInMonth(year, month);
            for (int day = 1; day <= days; ++day) {
                const TYmd date{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                                static_cast<std::uint16_t>(day)};
                if (DayNumber(date) != monthStart + day)
                    FAIL() << year << "-" << month << "-" << day;
            }
            monthStart += days;
        }
        yearStart += IsLeapYear(year) ? 366 : 365;
    }
}

// An independent count: the standard library's civil calendar.
TEST(DayNumbering, AgreesWithStdChronoCivilDays)
{
    using namespace std::chrono;
    const std::int32_t epoch = DayNumber({1970, 1, 1});
    for (int year = 0; year <= 9999; year += 7) {
        for (unsigned month = 1; month <= 12; ++month) {
            for (unsigned day : {1U, 15U, static_cast<unsigned>(DaysInMonth(year, month))}) {
                const sys_days civil{std::chrono::year{year} / std::chrono::month{month} /
                                     std::chrono::day{day}};
                const TYmd date{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                                static_cast<std::uint16_t>(day)};
                ASSERT_EQ(DayNumber(date) - epoch, civil.time_since_epoch().count())
                    << year << "-" << month << "-" << day;
            }
        }
    }
}

// A damaged record may hold any 16-bit values; the count must stay defined
// and equal to what the summing loop would give.
TEST(DayNumbering, ImpossibleDatesFollowTheSummingDefinition)
{
    const std::int32_t startOf2001 = DayNumber({2001, 1, 1}) - 1;
    EXPECT_EQ(DayNumber({2001, 0, 0}), startOf2001);
    EXPECT_EQ(DayNumber({2001, 0, 5}), startOf2001 + 5);
    EXPECT_EQ(DayNumber({2001, 13, 0}), startOf2001 + 365);
    EXPECT_EQ(DayNumber({2001, 200, 1}), startOf2001 + 366);
    EXPECT_EQ(DayNumber({2000, 65535, 0}), DayNumber({2000, 12, 31}));
    EXPECT_EQ(DayNumber({2001, 2, 31}), DayNumber({2001, 3, 3}));

    const std::uint16_t top = std::numeric_limits<std::uint16_t>::max();
    const std::int32_t largest = DayNumber({top, top, top});
    EXPECT_GT(largest, DayNumber({9999, 12, 31}));
    EXPECT_LT(largest, std::numeric_limits<std::int32_t>::max() / 2);
}

TEST(DayNumbering, MonthNamesKeepTheProgramsSpelling)
{
    EXPECT_EQ(MonthNames(1), "January");
    EXPECT_EQ(MonthNames(9), "Septmeber");
    EXPECT_EQ(MonthNames(12), "December");
    EXPECT_EQ(MonthNames(0), "");
    EXPECT_EQ(MonthNames(13), "");
}

} // namespace
} // namespace cyclo
