#include "chart/PrintChartSurface.h"

#include "chart/MonthChart.h"
#include "chart/QtChartSurface.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kBlack = 0xff000000;
constexpr int kDotsPerMeter96Dpi = 3780;

QImage whitePage(QSize size)
{
    QImage page(size, QImage::Format_RGB32);
    page.setDotsPerMeterX(kDotsPerMeter96Dpi);
    page.setDotsPerMeterY(kDotsPerMeter96Dpi);
    page.fill(kWhite);
    return page;
}

TEST(PrintChartSurface, StraightLinesCoverTheirPixelsWithoutTheEndPoint)
{
    struct Case
    {
        const char* what;
        QPoint from;
        QPoint to;
        int penWidth;
        QRect covered;
    } const cases[] = {
        {"right", {2, 5}, {7, 5}, 1, {2, 5, 5, 1}},
        {"left", {7, 5}, {2, 5}, 1, {3, 5, 5, 1}},
        {"down", {4, 1}, {4, 6}, 1, {4, 1, 1, 5}},
        {"up", {4, 6}, {4, 1}, 1, {4, 2, 1, 5}},
        {"three pixels wide", {2, 5}, {7, 5}, 3, {2, 4, 5, 3}},
        {"two pixels wide", {4, 1}, {4, 6}, 2, {4, 1, 2, 5}},
        {"up, four pixels wide", {5, 8}, {5, 2}, 4, {4, 3, 4, 6}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QImage page = whitePage(QSize(12, 12));
        {
            QPainter painter(&page);
            PrintChartSurface paper(painter, page.rect());
            paper.setPenWidth(c.penWidth);
            paper.moveTo(c.from.x(), c.from.y());
            paper.lineTo(c.to.x(), c.to.y());
        }
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                ASSERT_EQ(page.pixel(x, y), c.covered.contains(x, y) ? kBlack : kWhite)
                    << x << "," << y;
    }
}

// A steep step of a curve: one pixel per row, the first half of the rows in
// the start's column and the rest in the next one.
TEST(PrintChartSurface, ASteepStepMovesOverHalfWay)
{
    QImage page = whitePage(QSize(10, 12));
    {
        QPainter painter(&page);
        PrintChartSurface paper(painter, page.rect());
        paper.moveTo(3, 1);
        paper.lineTo(4, 9);
    }
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const bool covered = (x == 3 && y >= 1 && y <= 4) || (x == 4 && y >= 5 && y <= 8);
            ASSERT_EQ(page.pixel(x, y), covered ? kBlack : kWhite) << x << "," << y;
        }
    }
}

TEST(PrintChartSurface, DrawsOnlyInsideItsAreaCountedFromItsCorner)
{
    QImage page = whitePage(QSize(40, 30));
    const QRect area(10, 5, 20, 15);
    {
        QPainter painter(&page);
        PrintChartSurface paper(painter, area);
        EXPECT_EQ(paper.width(), 20);
        EXPECT_EQ(paper.height(), 15);
        paper.setSolidBrush({128, 128, 128});
        paper.fillRect(-5, -5, 50, 50);
        paper.frameRect(0, 0, 20, 15);
    }
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const bool inside = area.contains(x, y);
            const bool edge = inside && (x == area.left() || x == area.right() || y == area.top() ||
                                         y == area.bottom());
            const QRgb expected = edge ? kBlack : inside ? qRgb(128, 128, 128) : kWhite;
            ASSERT_EQ(page.pixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST(PrintChartSurface, TextGrowsWithTheScale)
{
    QImage page = whitePage(QSize(10, 10));
    QPainter painter(&page);
    PrintChartSurface paper(painter, page.rect());
    paper.setScale(1.0);
    const int width = paper.textWidth("-100 %");
    const int height = paper.textHeight("-100 %");
    for (const double scale : {1.5, 2.0, 4.0, 12.5}) {
        SCOPED_TRACE(scale);
        paper.setScale(scale);
        EXPECT_NEAR(paper.textWidth("-100 %"), width * scale, 2.0 * scale);
        EXPECT_NEAR(paper.textHeight("-100 %"), height * scale, 2.0 * scale);
    }
}

// On a raster page the print surface draws the screen surface's chart: the
// same bands, frame, ticks and zero line at every scale, on every row that no
// curve or text reaches.
TEST(PrintChartSurface, BandsFrameAndZeroLineAreTheScreenSurfacesAtAnyScale)
{
    ChartState state;
    state.ChartBirth = {1981, 4, 8};
    state.ChartView = {1998, 6, 6};
    state.shown = {};
    for (const double scale : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(scale);
        const QSize size(static_cast<int>(418 * scale), static_cast<int>(283 * scale));
        QtChartSurface screen(size);
        zeichneBitmap(screen, state, scale);
        const QImage& expected = screen.image();

        QImage page = whitePage(size);
        {
            QPainter painter(&page);
            PrintChartSurface paper(painter, page.rect());
            zeichneBitmap(paper, state, scale);
        }
        // Right of the scale's labels, above the day numbers.
        const int left = static_cast<int>(44 * scale);
        const int bottom = size.height() - static_cast<int>(20 * scale);
        for (int y = 0; y <= bottom; ++y)
            for (int x = left; x < size.width(); ++x)
                ASSERT_EQ(page.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
    }
}

} // namespace
} // namespace cyclo
