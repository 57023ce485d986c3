#include "calendar/PartnerComparison.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace cyclo {
namespace {

TYmd DaysAfter(TYmd date, int days)
{
    for (int i = 0; i < days; ++i) {
        if (++date.Day > DaysInMonth(date.Year, date.Month)) {
            date.Day = 1;
            if (++date.Month > 12) {
                date.Month = 1;
                ++date.Year;
            }
        }
    }
    return date;
}

struct ApartCase
{
    int days;
    std::array<const char*, 5> lines;
};

class PartnerComparisonApart : public testing::TestWithParam<ApartCase>
{
};

TEST_P(PartnerComparisonApart, GivesTheFiveLines)
{
    const ApartCase& c = GetParam();
    // Across a month and a year end as well as inside a month.
    for (const TYmd base : {TYmd{1970, 3, 5}, TYmd{1999, 12, 28}, TYmd{2000, 2, 25}}) {
        SCOPED_TRACE(testing::Message() << base.Year << "-" << base.Month << "-" << base.Day);
        const TYmd other = DaysAfter(base, c.days);
        const TComparison ab = CompareCycles(base, other);
        const TComparison ba = CompareCycles(other, base);
        for (std::size_t i = 0; i < kCycles.size(); ++i) {
            EXPECT_EQ(ab.lines[i], c.lines[i]);
            EXPECT_DOUBLE_EQ(ab.values[i], ba.values[i]) << "not symmetric";
            EXPECT_EQ(ab.lines[i], ba.lines[i]);
        }
        EXPECT_EQ(ab.averageLine, c.lines[4]);
        EXPECT_DOUBLE_EQ(ab.average, ba.average) << "not symmetric";
        EXPECT_EQ(ab.averageLine, ba.averageLine);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, PartnerComparisonApart,
    testing::Values(ApartCase{0,
                              {"100 % intellectual equality", "100 % emotional equality",
                               "100 % physical equality", "100 % intuitive equality",
                               "100 % average equality"}},
                    ApartCase{1,
                              {" 94 % intellectual equality", " 93 % emotional equality",
                               " 91 % physical equality", " 95 % intuitive equality",
                               " 93 % average equality"}},
                    ApartCase{5,
                              {" 70 % intellectual equality", " 64 % emotional equality",
                               " 57 % physical equality", " 74 % intuitive equality",
                               " 66 % average equality"}},
                    ApartCase{10,
                              {" 39 % intellectual equality", " 29 % emotional equality",
                               " 13 % physical equality", " 47 % intuitive equality",
                               " 32 % average equality"}}));

TEST(PartnerComparison, UnroundedValuesOneDayApart)
{
    const TComparison r = CompareCycles({1981, 4, 8}, {1981, 4, 9});
    EXPECT_NEAR(r.value(Cycle::Intellectual), 93.939, 0.001);
    EXPECT_NEAR(r.value(Cycle::Emotional), 92.857, 0.001);
    EXPECT_NEAR(r.value(Cycle::Physical), 91.304, 0.001);
    EXPECT_NEAR(r.value(Cycle::Intuitive), 94.737, 0.001);
    EXPECT_NEAR(r.average, 93.209, 0.001);
}

TEST(PartnerComparison, WholePeriodsApartAreInStep)
{
    const TYmd a{1990, 1, 1};
    EXPECT_EQ(CompareCycles(a, DaysAfter(a, 23)).line(Cycle::Physical), "100 % physical equality");
    EXPECT_EQ(CompareCycles(a, DaysAfter(a, 28)).line(Cycle::Emotional),
              "100 % emotional equality");
    EXPECT_EQ(CompareCycles(a, DaysAfter(a, 33)).line(Cycle::Intellectual),
              "100 % intellectual equality");
    EXPECT_EQ(CompareCycles(a, DaysAfter(a, 38)).line(Cycle::Intuitive),
              "100 % intuitive equality");
    // Half a period apart: no equality at all.
    EXPECT_EQ(CompareCycles(a, DaysAfter(a, 19)).line(Cycle::Intuitive),
              "  0 % intuitive equality");
}

// 1 January 1700 and 21 May 1976 lie 100 947 days apart: 0 days off in the
// intellectual and physical phases, a quarter period in the emotional one and
// half a period in the intuitive one, so the average is exactly 62.5.
TEST(PartnerComparison, AnAverageOfExactlyAHalfRoundsToEven)
{
    const TComparison r = CompareCycles({1700, 1, 1}, {1976, 5, 21});
    EXPECT_EQ(r.average, 62.5);
    EXPECT_EQ(r.lines,
              (std::array<std::string, 4>{"100 % intellectual equality", " 50 % emotional equality",
                                          "100 % physical equality", "  0 % intuitive equality"}));
    EXPECT_EQ(r.averageLine, " 62 % average equality");
}

TEST(PartnerComparison, ExactHalvesRoundToEven)
{
    struct Case
    {
        double value;
        long long rounded;
    } const cases[] = {{0.5, 0},  {1.5, 2},  {2.5, 2},      {92.5, 92}, {93.5, 94},
                       {0.49, 0}, {0.51, 1}, {99.999, 100}, {-0.5, 0},  {-1.5, -2}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

} // namespace
} // namespace cyclo
