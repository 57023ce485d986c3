#include "chart/QtChartSurface.h"

#include "chart/MonthChart.h"
#include "chart/PainterSurface.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRegion>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace cyclo {
namespace {

constexpr int L = 50;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;

QRgb rgbOf(Rgb colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

// The index of the first pixel in which two images differ, or -1.
int firstDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.format() != b.format())
        return 0;
    for (int y = 0; y < a.height(); ++y) {
        if (std::memcmp(a.constScanLine(y), b.constScanLine(y),
                        static_cast<std::size_t>(a.width()) * sizeof(QRgb)) == 0)
            continue;
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return y * a.width() + x;
        }
    }
    return -1;
}

// The line as Qt draws it with a thin pen, less its end point: everything but
// the end point's column (or row, for a line running more down than across)
// is clipped away.
QImage qtLineWithoutEndPoint(QSize size, QPoint from, QPoint to)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kWhite);
    if (from == to)
        return image;
    const bool xMajor = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    const QRect endLine =
        xMajor ? QRect(to.x(), 0, 1, size.height()) : QRect(0, to.y(), size.width(), 1);
    QPainter painter(&image);
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    painter.setClipRegion(QRegion(image.rect()).subtracted(endLine));
    painter.drawLine(from, to);
    return image;
}

TEST(QtChartSurfaceLines, TheLineBoxLeavesOutTheEndPointsColumnOrRow)
{
    struct Case
    {
        const char* what;
        QPoint from;
        QPoint to;
        QRect box; // left, top, right, bottom, all included
    } const cases[] = {
        {"right", {2, 5}, {9, 5}, QRect(QPoint(2, 5), QPoint(8, 5))},
        {"left", {9, 5}, {2, 5}, QRect(QPoint(3, 5), QPoint(9, 5))},
        {"down", {4, 1}, {4, 8}, QRect(QPoint(4, 1), QPoint(4, 7))},
        {"up", {4, 8}, {4, 1}, QRect(QPoint(4, 2), QPoint(4, 8))},
        {"right and up", {2, 9}, {12, 5}, QRect(QPoint(2, 5), QPoint(11, 9))},
        {"left and down", {12, 5}, {2, 9}, QRect(QPoint(3, 5), QPoint(12, 9))},
        {"steeply up and left", {9, 20}, {6, 3}, QRect(QPoint(6, 4), QPoint(9, 20))},
        {"diagonal, down and left", {10, 2}, {4, 8}, QRect(QPoint(5, 2), QPoint(10, 8))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(LineBoxWithoutEndPoint(c.from, c.to), c.box);
    }
}

QImage surfaceLine(QSize size, QPoint from, QPoint to, int penWidth = 1)
{
    QtChartSurface surface(size);
    surface.setSolidBrush({255, 255, 255});
    surface.fillRect(0, 0, size.width(), size.height());
    surface.setPenColour({0, 0, 0});
    surface.setPenWidth(penWidth);
    surface.moveTo(from.x(), from.y());
    surface.lineTo(to.x(), to.y());
    return surface.image();
}

// Draws from `from` by (dx, dy) on an image just large enough.
void expectSameAsQt(int dx, int dy)
{
    const QPoint from(std::max(-dx, 0) + 2, std::max(-dy, 0) + 2);
    const QPoint to = from + QPoint(dx, dy);
    const QSize size(std::abs(dx) + 5, std::abs(dy) + 5);
    SCOPED_TRACE(testing::Message() << "dx " << dx << " dy " << dy);
    EXPECT_EQ(firstDifference(surfaceLine(size, from, to), qtLineWithoutEndPoint(size, from, to)),
              -1);
}

TEST(QtChartSurfaceLines, StepsOfOnePixelAcrossMatchQtsLineWithoutItsEndPoint)
{
    for (int length = 0; length <= 400; ++length) {
        for (int across = -1; across <= 1; ++across) {
            for (const int sign : {1, -1}) {
                expectSameAsQt(sign * length, across);
                expectSameAsQt(across, sign * length);
            }
        }
    }
}

TEST(QtChartSurfaceLines, AnyOtherLineMatchesQtsLineWithoutItsEndPoint)
{
    std::mt19937 random(20010915);
    std::uniform_int_distribution<int> delta(-150, 150);
    for (int i = 0; i < 1500; ++i)
        expectSameAsQt(delta(random), delta(random));
}

TEST(QtChartSurfaceLines, AWidePenThickensTheLineAcrossItsDirection)
{
    struct Case
    {
        QPoint from;
        QPoint to;
        int width;
        QRect covered;
    } const cases[] = {
        {{5, 10}, {20, 10}, 3, QRect(QPoint(5, 9), QPoint(19, 11))},
        {{20, 10}, {5, 10}, 3, QRect(QPoint(6, 9), QPoint(20, 11))},
        {{7, 3}, {7, 25}, 3, QRect(QPoint(6, 3), QPoint(8, 24))},
        {{5, 10}, {20, 10}, 2, QRect(QPoint(5, 10), QPoint(19, 11))},
        {{5, 10}, {20, 10}, 1, QRect(QPoint(5, 10), QPoint(19, 10))},
        {{7, 25}, {7, 3}, 3, QRect(QPoint(6, 4), QPoint(8, 25))},
        {{7, 25}, {7, 3}, 4, QRect(QPoint(6, 4), QPoint(9, 25))},
        {{20, 12}, {5, 13}, 2, QRect(QPoint(6, 12), QPoint(20, 13))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.x() << "," << c.from.y() << " width " << c.width);
        const QImage image = surfaceLine(QSize(30, 30), c.from, c.to, c.width);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                ASSERT_EQ(image.pixel(x, y), c.covered.contains(x, y) ? kBlack : kWhite)
                    << x << "," << y;
        }
    }
}

TEST(QtChartSurfaceRects, FillAndFrameLeaveOutTheRightColumnAndBottomRow)
{
    struct Case
    {
        int left, top, right, bottom;
    } const cases[] = {{3, 4, 10, 9},    {0, 0, 20, 20}, {-5, -5, 4, 3},
                       {15, 12, 40, 40}, {6, 6, 7, 7},   {8, 8, 8, 12}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.left << "," << c.top << "," << c.right << "," << c.bottom);
        QtChartSurface surface(QSize(20, 20));
        surface.setSolidBrush({255, 255, 255});
        surface.fillRect(0, 0, 20, 20);
        surface.setSolidBrush({128, 128, 128});
        surface.fillRect(c.left, c.top, c.right, c.bottom);
        surface.setPenColour({0, 0, 0});
        surface.frameRect(c.left, c.top, c.right, c.bottom);
        const QImage& image = surface.image();
        for (int y = 0; y < 20; ++y) {
            for (int x = 0; x < 20; ++x) {
                const bool inside = x >= c.left && x < c.right && y >= c.top && y < c.bottom;
                const bool edge =
                    inside && (x == c.left || x == c.right - 1 || y == c.top || y == c.bottom - 1);
                const QRgb expected = edge ? kBlack : inside ? qRgb(128, 128, 128) : kWhite;
                ASSERT_EQ(image.pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(QtChartSurfaceRects, TheClearBrushFillsNothing)
{
    QtChartSurface surface(QSize(10, 10));
    surface.setSolidBrush({255, 255, 255});
    surface.fillRect(0, 0, 10, 10);
    // The last solid brush has another colour than the background, so a
    // clear brush taken for it would show.
    surface.setSolidBrush({255, 0, 0});
    surface.setClearBrush();
    surface.fillRect(0, 0, 10, 10);
    surface.fillRect(2, 2, 5, 5);
    const QImage& image = surface.image();
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(image.pixel(x, y), kWhite) << x << "," << y;
}

// The bounding box of the pixels that differ from the background.
QRect inkOf(const QImage& image, QRgb background)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != background)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

TEST(QtChartSurfaceText, StandsInItsCellByTheTopLeftCorner)
{
    QtChartSurface surface(QSize(120, 60));
    const int width = surface.textWidth("-100 %");
    const int height = surface.textHeight("-100 %");
    // 8 points at 96 dots per inch: an 11-pixel font in a cell a little taller.
    EXPECT_GE(height, 11);
    EXPECT_LE(height, 16);
    EXPECT_GT(width, surface.textWidth("0 %"));

    surface.setSolidBrush({192, 192, 192});
    surface.fillRect(0, 0, 120, 60);
    surface.setClearBrush();
    surface.textOut(30, 20, "-100 %");
    const QRect ink = inkOf(surface.image(), qRgb(192, 192, 192));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(QRect(30, 20, width, height).contains(ink)) << ink.x() << "," << ink.y();
}

TEST(QtChartSurfaceText, MeasuresTheSameOnABitmapOfAnySize)
{
    QtChartSurface sized(QSize(418, 283));
    QtChartSurface empty;
    EXPECT_EQ(empty.textHeight("100 %"), sized.textHeight("100 %"));
    EXPECT_EQ(empty.textWidth("100 %"), sized.textWidth("100 %"));
    ChartState state;
    state.ChartView = {2001, 9, 15};
    DrawChart(empty, state);
    EXPECT_TRUE(empty.image().isNull());
}

TEST(QtChartSurfaceText, OnASolidBrushFillsItsCellFirst)
{
    QtChartSurface surface(QSize(120, 60));
    surface.setSolidBrush({192, 192, 192});
    surface.fillRect(0, 0, 120, 60);
    surface.setSolidBrush({255, 255, 0});
    surface.textOut(30, 20, "28");
    const QRect cell(30, 20, surface.textWidth("28"), surface.textHeight("28"));
    EXPECT_EQ(inkOf(surface.image(), qRgb(192, 192, 192)), cell);
}

// The surface replays each text from the first rendering; wherever it is
// placed it must look as if Qt had drawn it there.
TEST(QtChartSurfaceText, LooksAsQtDrawsItAtAnyPosition)
{
    for (const std::string text : {"2", "30", "100 %", "-100 %", "0 %"}) {
        for (const QPoint at : {QPoint(0, 0), QPoint(17, 9), QPoint(-4, -3), QPoint(55, 31)}) {
            SCOPED_TRACE(testing::Message() << text << " at " << at.x() << "," << at.y());
            QtChartSurface surface(QSize(64, 40));
            surface.setSolidBrush({128, 128, 128});
            surface.fillRect(0, 0, 64, 40);
            surface.setClearBrush();
            surface.textOut(at.x(), at.y(), text);

            QImage expected(64, 40, QImage::Format_RGB32);
            expected.setDotsPerMeterX(surface.image().dotsPerMeterX());
            expected.setDotsPerMeterY(surface.image().dotsPerMeterY());
            expected.fill(qRgb(128, 128, 128));
            QPainter painter(&expected);
            painter.setFont(surface.font());
            painter.setPen(Qt::black);
            painter.drawText(at + QPoint(0, painter.fontMetrics().ascent()),
                             QString::fromStdString(text));
            painter.end();
            EXPECT_EQ(firstDifference(surface.image(), expected), -1);
        }
    }
}

// The design-size chart of a 30-day month without curves.
class DesignSizeChart : public testing::Test
{
protected:
    static constexpr int kW = 363;
    static constexpr int kHb = 263;
    static constexpr int kMid = 131;

    void SetUp() override
    {
        ChartState state;
        state.ChartBirth = {1970, 3, 5};
        state.ChartView = {2001, 9, 15};
        state.shown = {};
        DrawChart(surface, state);
    }

    [[nodiscard]] QRgb at(int x, int y) { return surface.image().pixel(x, y); }

    QtChartSurface surface{QSize(418, 283)};
};

TEST_F(DesignSizeChart, TicksSpanFiveColumnsEitherSideOfTheMargin)
{
    ASSERT_LT(surface.textWidth("-100 %"), L - 6);
    for (const int row : {10, 34, 58, 82, 106, 131, 155, 179, 203, 227, 252}) {
        SCOPED_TRACE(row);
        for (int x = L - 5; x <= L + 4; ++x)
            EXPECT_EQ(at(x, row), kBlack) << x;
        EXPECT_EQ(at(L - 6, row), rgbOf(kChartSilver));
        if (row != kMid) {
            EXPECT_NE(at(L + 5, row), kBlack);
        }
    }
}

TEST_F(DesignSizeChart, FrameRunsAlongColumns49AndWPlusLAndRows4AndHb)
{
    for (int y = 4; y <= kHb; ++y) {
        EXPECT_EQ(at(49, y), kBlack) << y;
        EXPECT_EQ(at(kW + L, y), kBlack) << y;
        EXPECT_EQ(at(kW + L + 1, y), rgbOf(kChartSilver)) << y;
    }
    for (int x = 49; x <= kW + L; ++x) {
        EXPECT_EQ(at(x, 4), kBlack) << x;
        EXPECT_EQ(at(x, kHb), kBlack) << x;
        EXPECT_EQ(at(x, 3), rgbOf(kChartSilver)) << x;
    }
    EXPECT_NE(at(50, 5), kBlack);
    EXPECT_NE(at(kW + L - 1, kHb - 1), kBlack);
}

TEST_F(DesignSizeChart, ZeroLineIsThreeRowsThickInsideTheFrame)
{
    for (int x = L; x < kW + L; ++x) {
        SCOPED_TRACE(x);
        EXPECT_NE(at(x, kMid - 2), kBlack);
        EXPECT_EQ(at(x, kMid - 1), kBlack);
        EXPECT_EQ(at(x, kMid), kBlack);
        EXPECT_EQ(at(x, kMid + 1), kBlack);
        EXPECT_NE(at(x, kMid + 2), kBlack);
    }
}

TEST_F(DesignSizeChart, DayTwoIsGreyFromColumn63To74)
{
    EXPECT_EQ(at(62, 100), rgbOf(kChartSilver));
    EXPECT_EQ(at(63, 100), rgbOf(kChartGrey));
    EXPECT_EQ(at(74, 100), rgbOf(kChartGrey));
    EXPECT_EQ(at(75, 100), rgbOf(kChartSilver));
}

TEST(QtChartPixels, EveryPixelIsOneOfTheChartsOwnColours)
{
    struct Case
    {
        QSize size;
        TYmd birth;
        TYmd view;
        bool print;
    } const cases[] = {
        {{418, 283}, {1981, 4, 8}, {2001, 9, 15}, false},
        {{418, 283}, {2001, 9, 1}, {2001, 9, 1}, true},
        {{120, 90}, {1990, 1, 31}, {2024, 2, 29}, false},
        {{1280, 800}, {2001, 9, 20}, {2001, 8, 31}, false},
        {{700, 500}, {1950, 7, 4}, {2030, 12, 24}, true},
    };
    std::set<QRgb> allowed;
    for (const Rgb colour : {kChartSilver, kChartGrey, kChartYellow, kChartWhite, kChartBlack,
                             Rgb{0, 255, 0}, Rgb{255, 0, 0}, Rgb{0, 0, 255}, Rgb{255, 0, 255}})
        allowed.insert(rgbOf(colour));
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height());
        QtChartSurface surface(c.size);
        ChartState state;
        state.ChartBirth = c.birth;
        state.ChartView = c.view;
        if (c.print)
            zeichneBitmap(surface, state);
        else
            DrawChart(surface, state);
        const QImage& image = surface.image();
        std::set<QRgb> used;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                used.insert(image.pixel(x, y));
        }
        for (const QRgb colour : used)
            EXPECT_TRUE(allowed.count(colour)) << std::hex << colour;
        EXPECT_EQ(used.count(rgbOf(kChartWhite)), c.print ? 1U : 0U);
        // The day numbers under the plot are there, in black.
        const int hb = c.size.height() - 20;
        const QRect labels(L, hb + 1, c.size.width() - L, 19);
        EXPECT_FALSE(
            inkOf(image.copy(labels), rgbOf(c.print ? kChartWhite : kChartSilver)).isEmpty());
    }
}

TEST(QtChartPixels, AResizedSurfaceDrawsTheChartAtItsNewSize)
{
    QtChartSurface surface(QSize(418, 283));
    ChartState state;
    state.ChartBirth = {1981, 4, 8};
    state.ChartView = {2001, 9, 15};
    DrawChart(surface, state);
    surface.resize(QSize(600, 400));
    DrawChart(surface, state);
    ASSERT_EQ(surface.image().size(), QSize(600, 400));
    EXPECT_EQ(surface.image().pixel(49, 4), kBlack);
    EXPECT_EQ(surface.image().pixel(595, 380), kBlack);
    EXPECT_EQ(surface.image().pixel(596, 380), rgbOf(kChartSilver));
}

test::PainterSurface plainSurfaceLike(QtChartSurface& surface)
{
    return test::PainterSurface(surface.image().size(), surface.font(),
                                surface.image().dotsPerMeterX());
}

TEST(QtChartSurfaceAgainstPlainQPainter, WholeChartsComeOutTheSame)
{
    struct Case
    {
        QSize size;
        TYmd birth;
        TYmd view;
        bool print;
        double scale = 1.0;
    } const cases[] = {
        {{418, 283}, {1981, 4, 8}, {2001, 9, 15}, false},
        {{418, 283}, {2001, 9, 1}, {2001, 9, 1}, true},
        {{100, 70}, {1990, 1, 31}, {2024, 2, 29}, false},
        {{1280, 800}, {2001, 9, 20}, {2001, 8, 31}, false},
        {{57, 43}, {1970, 1, 1}, {2001, 12, 31}, false},
        {{836, 566}, {1981, 4, 8}, {2001, 9, 15}, false, 2.0},
        {{627, 424}, {2001, 9, 20}, {2001, 8, 31}, false, 1.5},
        {{522, 353}, {1990, 1, 31}, {2024, 2, 29}, true, 1.25},
        {{731, 495}, {1950, 7, 4}, {2030, 12, 24}, false, 1.75},
        {{1672, 1132}, {1981, 4, 8}, {2001, 9, 15}, true, 4.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.size.width() << "x" << c.size.height() << " at " << c.scale);
        ChartState state;
        state.ChartBirth = c.birth;
        state.ChartView = c.view;
        QtChartSurface fast(c.size);
        auto plain = plainSurfaceLike(fast);
        for (ChartSurface* surface :
             {static_cast<ChartSurface*>(&fast), static_cast<ChartSurface*>(&plain)}) {
            if (c.print)
                zeichneBitmap(*surface, state, c.scale);
            else
                DrawChart(*surface, state, c.scale);
        }
        EXPECT_EQ(firstDifference(fast.image(), plain.image()), -1);
    }
}

// Fills large and small, overlapping and in any order, mixed with lines of
// any slope and width, frames and texts on either brush, and curve-like
// walks of one-pixel steps from wherever the pen stands, mostly flat (which
// the fast surface keeps waiting as one run until something else comes).
TEST(QtChartSurfaceAgainstPlainQPainter, AnyMixOfOperationsComesOutTheSame)
{
    const Rgb palette[] = {{192, 192, 192}, {128, 128, 128}, {255, 255, 0},
                           {0, 255, 0},     {255, 0, 0},     {0, 0, 255}};
    const char* const texts[] = {"2", "17", "100 %", "-40 %", "Septmeber"};
    for (unsigned seed = 1; seed <= 40; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        QtChartSurface fast(QSize(pick(20, 160), pick(20, 120)));
        auto plain = plainSurfaceLike(fast);
        const int w = fast.width();
        const int h = fast.height();
        QPoint pen;
        for (int op = 0; op < 300; ++op) {
            const int kind = pick(0, 11);
            const Rgb colour = palette[pick(0, 5)];
            const int x0 = pick(-10, w + 10);
            const int y0 = pick(-10, h + 10);
            const int x1 = pick(-10, w + 10);
            const int y1 = pick(-10, h + 10);
            const int penWidth = pick(1, 3);
            const char* text = texts[pick(0, 4)];
            const QPoint step(pick(-1, 1), pick(-12, 12));
            std::vector<QPoint> walk;
            for (QPoint at = pen; kind == 11 && walk.size() < 12U && pick(0, 12) != 0;) {
                at += QPoint(1, pick(0, 4) == 0 ? pick(-1, 1) : 0);
                walk.push_back(at);
            }
            if (kind == 6)
                pen = QPoint(x1, y1);
            else if (kind == 7)
                pen = QPoint(x0, y0) + step;
            else if (!walk.empty())
                pen = walk.back();
            for (ChartSurface* s :
                 {static_cast<ChartSurface*>(&fast), static_cast<ChartSurface*>(&plain)}) {
                switch (kind) {
                case 0:
                    s->setSolidBrush(colour);
                    break;
                case 1:
                    s->setClearBrush();
                    break;
                case 2:
                    s->setPenColour(colour);
                    s->setPenWidth(penWidth);
                    break;
                case 3: // large fills, often the whole bitmap
                case 9:
                case 10:
                    s->setSolidBrush(colour);
                    if (x0 % 3 == 0)
                        s->fillRect(0, 0, w, h);
                    else
                        s->fillRect(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1),
                                    std::max(y0, y1));
                    break;
                case 4: // a narrow fill
                    s->fillRect(x0, y0, x0 + penWidth, y1);
                    break;
                case 5:
                    s->frameRect(std::min(x0, x1), std::min(y0, y1), std::max(x0, x1) + 2,
                                 std::max(y0, y1) + 2);
                    break;
                case 6:
                    s->moveTo(x0, y0);
                    s->lineTo(x1, y1);
                    break;
                case 7: // a short step, as the curves take
                    s->moveTo(x0, y0);
                    s->lineTo(x0 + step.x(), y0 + step.y());
                    break;
                case 8:
                    s->textOut(x0, y0, text);
                    break;
                case 11:
                    for (const QPoint& at : walk)
                        s->lineTo(at.x(), at.y());
                    break;
                }
            }
        }
        // Compared only at the end: looking at the image finishes the
        // surface's waiting fills, which this sequence is meant to pile up.
        EXPECT_EQ(firstDifference(fast.image(), plain.image()), -1);
    }
}

// A curve's flat stretch arrives as one-pixel steps to the right, which the
// fast surface keeps as one waiting run; whatever comes next must see the
// run's pixels as if each step had been drawn at once, in its own pen.
TEST(QtChartSurfaceAgainstPlainQPainter, FlatStepsLookAsIfEachWereDrawnAtOnce)
{
    const Rgb red{255, 0, 0};
    const Rgb blue{0, 0, 255};
    using Draw = std::function<void(ChartSurface&)>;
    const auto steps = [](ChartSurface& s, int count) {
        for (int i = 0; i < count; ++i)
            s.lineTo(s.width() / 2 - 10 + i, 20);
    };
    const struct
    {
        const char* what;
        Draw draw;
    } cases[] = {
        {"the pen's colour changes between two steps",
         [&](ChartSurface& s) {
             steps(s, 6);
             s.setPenColour(blue);
             s.lineTo(s.width() / 2 - 4, 20);
             s.lineTo(s.width() / 2 - 3, 20);
         }},
        {"the pen's width changes between two steps",
         [&](ChartSurface& s) {
             steps(s, 6);
             s.setPenWidth(3);
             s.lineTo(s.width() / 2 - 4, 20);
         }},
        {"a fill covers the steps after them",
         [&](ChartSurface& s) {
             steps(s, 8);
             s.setSolidBrush(blue);
             s.fillRect(s.width() / 2 - 8, 18, s.width() / 2 - 5, 23);
         }},
        {"a frame crosses the steps after them",
         [&](ChartSurface& s) {
             steps(s, 8);
             s.setPenColour(blue);
             s.frameRect(s.width() / 2 - 7, 20, s.width() / 2 - 2, 30);
         }},
        {"a text crosses the steps after them",
         [&](ChartSurface& s) {
             steps(s, 8);
             s.textOut(s.width() / 2 - 9, 14, "17");
         }},
        {"the pen moves away and back to where the steps ended",
         [&](ChartSurface& s) {
             steps(s, 5);
             s.moveTo(3, 3);
             s.lineTo(4, 3);
             s.moveTo(s.width() / 2 - 6, 20);
             s.lineTo(s.width() / 2 - 5, 20);
         }},
        {"a steep step and a step back follow the flat ones",
         [&](ChartSurface& s) {
             steps(s, 5);
             s.lineTo(s.width() / 2 - 5, 26);
             s.lineTo(s.width() / 2 - 6, 26);
             s.lineTo(s.width() / 2 - 5, 27);
         }},
        {"the steps run out of the bitmap",
         [&](ChartSurface& s) {
             s.moveTo(s.width() - 3, 5);
             for (int x = s.width() - 2; x < s.width() + 4; ++x)
                 s.lineTo(x, 5);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QtChartSurface fast(QSize(64, 40));
        auto plain = plainSurfaceLike(fast);
        for (ChartSurface* s :
             {static_cast<ChartSurface*>(&fast), static_cast<ChartSurface*>(&plain)}) {
            // A large fill waits too, so that the run meets rows still waiting.
            s->setSolidBrush(Rgb{192, 192, 192});
            s->fillRect(0, 0, s->width(), s->height());
            s->setPenColour(red);
            s->setPenWidth(2);
            s->moveTo(s->width() / 2 - 11, 20);
            c.draw(*s);
        }
        EXPECT_EQ(firstDifference(fast.image(), plain.image()), -1);
    }
}

// More large fills than the surface keeps waiting at once, their edges on
// rows that curve steps have already queued pixels on, with texts settling a
// few rows early in between and everything reaching past the bitmap's edges.
TEST(QtChartSurfaceAgainstPlainQPainter, ManyWaitingFillsBetweenCurveStepsComeOutTheSame)
{
    const Rgb palette[] = {{192, 192, 192}, {128, 128, 128}, {255, 255, 0}, {0, 0, 255}};
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE(seed);
        std::mt19937 random(seed);
        const auto pick = [&random](int low, int high) {
            return std::uniform_int_distribution<int>(low, high)(random);
        };
        QtChartSurface fast(QSize(pick(200, 320), pick(150, 240)));
        auto plain = plainSurfaceLike(fast);
        const int w = fast.width();
        const int h = fast.height();
        QPoint pen(pick(0, w - 1), pick(0, h - 1));
        for (int op = 0; op < 600; ++op) {
            const int kind = pick(0, 9);
            const Rgb colour = palette[pick(0, 3)];
            // Whole-width bands and narrower blocks, some cut by an edge.
            const int top = pick(-20, h + 5);
            const int bottom = top + pick(1, 60);
            const bool wide = pick(0, 1) == 0;
            const int left = wide ? pick(-5, 0) : pick(-20, w);
            const int right = wide ? w + pick(0, 5) : left + pick(20, 200);
            const QPoint step(pick(0, 1) == 0 ? 1 : -1, pick(-4, 4));
            const QPoint next(std::clamp(pen.x() + step.x(), -3, w + 2),
                              std::clamp(pen.y() + step.y(), -3, h + 2));
            const QPoint textAt(pick(-10, w), pick(-10, h));
            for (ChartSurface* s :
                 {static_cast<ChartSurface*>(&fast), static_cast<ChartSurface*>(&plain)}) {
                if (kind <= 2) {
                    s->setSolidBrush(colour);
                    s->fillRect(left, top, right, bottom);
                } else if (kind == 3) {
                    s->setClearBrush();
                    s->textOut(textAt.x(), textAt.y(), "-40 %");
                } else {
                    s->setPenColour(colour);
                    s->setPenWidth(kind == 9 ? 3 : 1);
                    s->moveTo(pen.x(), pen.y());
                    s->lineTo(next.x(), next.y());
                }
            }
            if (kind > 3)
                pen = next;
        }
        EXPECT_EQ(firstDifference(fast.image(), plain.image()), -1);
    }
}

// The chart window's design size at 200 %: 836 x 566 device pixels.
class ChartAtTwice : public testing::Test
{
protected:
    static constexpr double kScale = 2.0;
    static constexpr int kL = 100;  // 50 x 2
    static constexpr int kW = 726;  // 836 - 10 - 100
    static constexpr int kHb = 526; // 566 - 40
    static constexpr int kMid = 263;
    static constexpr int kA = 243; // 263 - 20

    void SetUp() override
    {
        ChartState state;
        state.ChartBirth = {1981, 4, 8};
        state.ChartView = {2001, 9, 15};
        state.shown = {};
        state.show(Cycle::Intellectual, true);
        DrawChart(surface, state, kScale);
    }

    [[nodiscard]] QRgb at(int x, int y) { return surface.image().pixel(x, y); }

    QtChartSurface surface{QSize(836, 566)};
};

// Where an image of the design-size chart at 200 % has detail at odd device
// columns and rows: band edges on a row above the +100 % line, which no
// curve crosses, and the steps of the green curve's top row.
struct OddDetail
{
    int bandEdges = 0;
    int oddBandEdges = 0;
    int oddCurveSteps = 0;
    int oddCurveRows = 0;
};

OddDetail oddDetailOf(const QImage& image, int left, int right, int top, int bottom)
{
    OddDetail detail;
    for (int x = left + 1; x < right; ++x) {
        if (image.pixel(x, top - 5) != image.pixel(x - 1, top - 5)) {
            ++detail.bandEdges;
            detail.oddBandEdges += x % 2;
        }
    }
    const QRgb green = qRgb(0, 255, 0);
    int before = -1;
    for (int x = left + 1; x < right; ++x) {
        int row = -1;
        for (int y = top; y <= bottom && row < 0; ++y) {
            if (image.pixel(x, y) == green)
                row = y;
        }
        if (row >= 0 && before >= 0 && row != before) {
            detail.oddCurveSteps += x % 2;
            detail.oddCurveRows += row % 2;
        }
        before = row;
    }
    return detail;
}

// An image drawn at 100 % and doubled changes colour only between an even
// column or row and the odd one after it; drawn at 200 % the edges lie
// wherever the device pixels put them.
TEST_F(ChartAtTwice, BandEdgesAndCurveStepsFallOnOddColumnsAndRows)
{
    ASSERT_EQ(surface.image().devicePixelRatio(), kScale);
    const OddDetail sharp = oddDetailOf(surface.image(), kL, kL + kW, kMid - kA, kMid + kA + 2);
    EXPECT_EQ(sharp.bandEdges, 29);
    EXPECT_GT(sharp.oddBandEdges, 5);
    EXPECT_GT(sharp.oddCurveSteps, 10);
    EXPECT_GT(sharp.oddCurveRows, 10);

    // The same count on a doubled image finds none of them.
    QtChartSurface single(QSize(418, 283));
    ChartState state;
    state.ChartBirth = {1981, 4, 8};
    state.ChartView = {2001, 9, 15};
    state.shown = {};
    state.show(Cycle::Intellectual, true);
    DrawChart(single, state);
    const QImage doubled = single.image().scaled(836, 566);
    const OddDetail blocky = oddDetailOf(doubled, kL, kL + kW, kMid - kA, kMid + kA + 2);
    EXPECT_EQ(blocky.bandEdges, 29);
    EXPECT_EQ(blocky.oddBandEdges, 0);
    EXPECT_EQ(blocky.oddCurveSteps, 0);
    EXPECT_EQ(blocky.oddCurveRows, 0);
}

TEST_F(ChartAtTwice, LinesAreTwiceAsThickAndTextTwiceAsLarge)
{
    // The zero line: 6 rows, two above its row and three below.
    for (const int x : {kL + 3, kL + kW / 2, kL + kW - 1}) {
        EXPECT_NE(at(x, kMid - 3), kBlack);
        for (int y = kMid - 2; y <= kMid + 3; ++y)
            EXPECT_EQ(at(x, y), kBlack) << x << "," << y;
        EXPECT_NE(at(x, kMid + 4), kBlack);
    }
    // The frame's left edge: columns 98 and 99 from row 8 down.
    for (int y = 8; y <= kHb; ++y) {
        EXPECT_EQ(at(kL - 2, y), kBlack) << y;
        EXPECT_EQ(at(kL - 1, y), kBlack) << y;
    }
    EXPECT_EQ(at(kL - 3, kHb - 30), rgbOf(kChartSilver)); // between two ticks
    QtChartSurface single(QSize(10, 10));
    EXPECT_NEAR(surface.textHeight("100 %"), 2 * single.textHeight("100 %"), 2);
    EXPECT_NEAR(surface.textWidth("100 %"), 2 * single.textWidth("100 %"), 2);
}

} // namespace
} // namespace cyclo
