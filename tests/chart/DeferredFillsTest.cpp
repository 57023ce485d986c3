// Deferred fills give the raster every fill would have given written at
// once, in order, while large fills really do wait for their rows to be
// needed.

#include "chart/DeferredFills.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace cyclo {
namespace {

constexpr std::uint32_t kWhite = 0xffffffff;
constexpr std::uint32_t kRed = 0xffff0000;
constexpr std::uint32_t kGreen = 0xff00ff00;
constexpr std::uint32_t kBlue = 0xff0000ff;

// A raster with a few words of slack after each row, which no fill may touch.
class Raster
{
public:
    static constexpr int kSlack = 3;

    Raster(int width, int height)
        : width_(width), height_(height),
          pixels_(static_cast<std::size_t>((width + kSlack) * height), kWhite)
    {}

    [[nodiscard]] RasterRows rows() { return {pixels_.data(), width_ + kSlack}; }
    // Fills for this raster.
    [[nodiscard]] DeferredFills fills()
    {
        return DeferredFills(width_, height_, [this] { return rows(); });
    }
    [[nodiscard]] std::uint32_t at(int x, int y) const
    {
        return pixels_[static_cast<std::size_t>(y * (width_ + kSlack) + x)];
    }
    void set(int x, int y, std::uint32_t colour)
    {
        pixels_[static_cast<std::size_t>(y * (width_ + kSlack) + x)] = colour;
    }
    // What writing the fill at once gives.
    void fillNow(int left, int top, int right, int bottom, std::uint32_t colour)
    {
        for (int y = std::max(top, 0); y < std::min(bottom, height_); ++y) {
            for (int x = std::max(left, 0); x < std::min(right, width_); ++x)
                set(x, y, colour);
        }
    }
    [[nodiscard]] bool rowsEqual(const Raster& other, int top, int bottom) const
    {
        for (int y = top; y < bottom; ++y) {
            for (int x = 0; x < width_ + kSlack; ++x) {
                if (pixels_[static_cast<std::size_t>(y * (width_ + kSlack) + x)] !=
                    other.pixels_[static_cast<std::size_t>(y * (width_ + kSlack) + x)])
                    return false;
            }
        }
        return true;
    }
    [[nodiscard]] bool operator==(const Raster& other) const { return pixels_ == other.pixels_; }

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

TEST(DeferredFillsTest, ALargeFillWaitsUntilItsRowsAreSettled)
{
    Raster raster(64, 40);
    DeferredFills fills = raster.fills();
    fills.fill(0, 0, 64, 40, kRed);
    EXPECT_FALSE(fills.empty());
    EXPECT_EQ(raster.at(10, 10), kWhite);

    fills.settleRows(8, 12);
    EXPECT_EQ(raster.at(0, 8), kRed);
    EXPECT_EQ(raster.at(63, 11), kRed);
    EXPECT_EQ(raster.at(10, 7), kWhite);
    EXPECT_EQ(raster.at(10, 12), kWhite);

    fills.settleAll();
    EXPECT_TRUE(fills.empty());
    EXPECT_EQ(raster.at(10, 0), kRed);
    EXPECT_EQ(raster.at(10, 39), kRed);
}

TEST(DeferredFillsTest, ASmallFillOnSettledRowsIsWrittenAtOnce)
{
    Raster raster(64, 40);
    DeferredFills fills = raster.fills();
    fills.fill(5, 5, 9, 9, kBlue);
    EXPECT_TRUE(fills.empty());
    EXPECT_EQ(raster.at(5, 5), kBlue);
    EXPECT_EQ(raster.at(8, 8), kBlue);
    EXPECT_EQ(raster.at(9, 8), kWhite);
}

TEST(DeferredFillsTest, DiscardedFillsAreNeverWritten)
{
    Raster raster(64, 40);
    const Raster untouched = raster;
    DeferredFills fills = raster.fills();
    fills.fill(0, 0, 64, 40, kRed);
    fills.fill(3, 3, 4, 4, kGreen);
    fills.discard();
    fills.settleAll();
    EXPECT_TRUE(raster == untouched);
}

// Taking the pixels may copy them (an image shared with a copy handed out),
// so they are taken only to write to them, and anew each time.
TEST(DeferredFillsTest, ThePixelsAreTakenOnlyToWriteThemAndAnewEachTime)
{
    Raster first(64, 40);
    Raster second(64, 40);
    Raster* current = &first;
    int taken = 0;
    DeferredFills fills(64, 40, [&] {
        ++taken;
        return current->rows();
    });
    fills.fill(0, 0, 64, 40, kRed);
    EXPECT_EQ(taken, 0);

    // The owner moved its pixels: what waits goes to where they are now.
    current = &second;
    fills.settleAll();
    EXPECT_EQ(taken, 1);
    EXPECT_EQ(second.at(20, 20), kRed);
    EXPECT_EQ(first.at(20, 20), kWhite);

    fills.settleAll();
    fills.settleRows(0, 40);
    EXPECT_EQ(taken, 1);
}

// Hand-picked orders: each ends as the fills written at once would.
TEST(DeferredFillsTest, TheLaterFillWinsWhereFillsOverlap)
{
    struct Fill
    {
        int left, top, right, bottom;
        std::uint32_t colour;
    };
    const struct
    {
        const char* what;
        std::vector<Fill> fills;
    } cases[] = {
        {"a small fill over a large one", {{0, 0, 64, 40, kRed}, {10, 10, 12, 11, kGreen}}},
        {"a large fill over a small one waiting on its row",
         {{0, 0, 64, 40, kRed}, {10, 10, 12, 11, kGreen}, {0, 5, 64, 30, kBlue}}},
        {"large fills crossing", {{0, 0, 40, 40, kRed}, {20, 5, 64, 35, kGreen}}},
        {"runs meeting end to end on a row",
         {{0, 0, 64, 40, kRed}, {10, 10, 11, 11, kBlue}, {11, 10, 12, 11, kBlue}}},
        {"fills reaching past every edge",
         {{-10, -10, 100, 100, kRed}, {-5, 38, 70, 60, kGreen}, {60, -3, 90, 2, kBlue}}},
        {"empty and inverted fills",
         {{0, 0, 64, 40, kRed}, {10, 10, 10, 20, kBlue}, {20, 20, 5, 5, kBlue}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Raster raster(64, 40);
        Raster expected(64, 40);
        DeferredFills fills = raster.fills();
        for (const Fill& f : c.fills) {
            fills.fill(f.left, f.top, f.right, f.bottom, f.colour);
            expected.fillNow(f.left, f.top, f.right, f.bottom, f.colour);
        }
        fills.settleAll();
        EXPECT_TRUE(raster == expected);
    }
}

// Fills of every size in random order, with pixels written directly between
// them after settling their rows, as text is drawn: at every settling the
// rows asked for, and at the end the whole raster, are those of the fills
// written at once. More fills wait than the limit on waiting fills allows.
TEST(DeferredFillsTest, RandomDrawingsEndAsTheFillsWrittenAtOnce)
{
    constexpr int kWidth = 97;
    constexpr int kHeight = 61;
    std::mt19937 random(20260101);
    const auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const std::uint32_t colours[] = {kRed, kGreen, kBlue, 0xff808080, 0xffc0c0c0};
    for (int drawing = 0; drawing < 60; ++drawing) {
        SCOPED_TRACE(drawing);
        Raster raster(kWidth, kHeight);
        Raster expected(kWidth, kHeight);
        DeferredFills fills = raster.fills();
        const auto fill = [&](int left, int top, int right, int bottom, std::uint32_t colour) {
            fills.fill(left, top, right, bottom, colour);
            expected.fillNow(left, top, right, bottom, colour);
        };
        // A background, as every chart starts with.
        fill(0, 0, kWidth, kHeight, colours[between(0, 4)]);
        for (int step = 0; step < 500; ++step) {
            const std::uint32_t colour = colours[between(0, 4)];
            switch (between(0, 5)) {
            case 0: { // a band or another large fill
                const int left = between(-5, kWidth);
                const int top = between(-5, kHeight);
                fill(left, top, left + between(20, 100), top + between(20, 70), colour);
                break;
            }
            case 1: { // a row-wide strip
                const int top = between(0, kHeight - 2);
                fill(0, top, kWidth, top + between(1, 30), colour);
                break;
            }
            case 2: { // settled rows drawn on directly
                const int top = between(-3, kHeight);
                const int bottom = top + between(0, 8);
                fills.settleRows(top, bottom);
                const int from = std::clamp(top, 0, kHeight);
                const int to = std::clamp(bottom, 0, kHeight);
                ASSERT_TRUE(raster.rowsEqual(expected, from, to));
                if (to > from) {
                    const int x = between(0, kWidth - 1);
                    const int y = between(from, to - 1);
                    raster.set(x, y, colour);
                    expected.set(x, y, colour);
                }
                break;
            }
            default: { // a curve's step: a pixel or a short run, maybe thick
                const int x = between(-2, kWidth + 1);
                const int y = between(-2, kHeight + 1);
                fill(x, y, x + between(1, 6), y + between(1, 3), colour);
                break;
            }
            }
        }
        fills.settleAll();
        ASSERT_TRUE(raster == expected);
    }
}

} // namespace
} // namespace cyclo
