#include "support/TempDir.h"
#include "ui/printing/ChartPrinting.h"
#include "support/WindowsDifferences.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <numeric>

namespace cyclo {
namespace {

constexpr QRgb kGreen = 0xff00ff00;

// The part of the printed page that holds the chart, rasterised at the
// printer's own resolution without smoothing, so one image pixel is one
// printer dot.
QImage rasterisedChart(const std::filesystem::path& pdf, int dpi, QRect area)
{
    const auto out = pdf.parent_path() / "page";
    QProcess process;
    process.start(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-aa"),
                   QStringLiteral("no"), QStringLiteral("-aaVector"), QStringLiteral("no"),
                   QStringLiteral("-x"), QString::number(area.x()), QStringLiteral("-y"),
                   QString::number(area.y()), QStringLiteral("-W"), QString::number(area.width()),
                   QStringLiteral("-H"), QString::number(area.height()), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), QString::fromStdString(pdf.string()),
                   QString::fromStdString(out.string())});
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QImage(QString::fromStdString(out.string()) + QStringLiteral(".png"))
        .convertToFormat(QImage::Format_RGB32);
}

// A curve drawn at a coarser resolution and enlarged k times changes its row
// only at every k-th dot, by a multiple of k dots; drawn in the printer's dots
// it steps wherever its own formula says.
TEST(PrintedChart, TheCurveTakesOneStepPerPrinterDot)
{
#ifdef _WIN32
    GTEST_SKIP() << test::kNoPopplerOnWindows;
#endif
    test::TempDir dir;
    const auto pdf = dir.file("chart.pdf");
    ChartPrintout page{QStringLiteral("Anna ( 4/8/1981 )"), QStringLiteral("June 6, 1998"), {}};
    page.state.ChartBirth = {1981, 4, 8};
    page.state.ChartView = {1998, 6, 6};
    page.state.shown = {};
    page.state.show(Cycle::Intellectual, true);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    const int dpi = printer.resolution();
    ASSERT_GE(dpi, 600);
    // Where the page's printable area lies on the sheet, in dots.
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
    ASSERT_TRUE(PrintChartPage(printer, page));

    // A band across the middle of the sheet, the chart's full height below
    // the headings: an inch and a half wide, five inches tall.
    const QRect area(paper.width() / 2 - 3 * dpi / 4, printable.top() + dpi / 2, 3 * dpi / 2,
                     5 * dpi);
    const QImage image = rasterisedChart(pdf, dpi, area);
    ASSERT_EQ(image.size(), area.size());

    // The top row of the green curve in every column.
    std::map<int, int> top;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (image.pixel(x, y) == kGreen) {
                top[x] = y;
                break;
            }
        }
    }
    ASSERT_GT(top.size(), static_cast<std::size_t>(image.width() * 9 / 10));
    // Enlarged k times, every step would lie a multiple of k columns from
    // every other one and every row a multiple of k rows from every other:
    // the common divisor of those distances is the block size, 1 for dots.
    int columnDivisor = 0;
    int rowDivisor = 0;
    int steps = 0;
    for (const auto& [x, y] : top) {
        const auto before = top.find(x - 1);
        if (before == top.end() || before->second == y)
            continue;
        ++steps;
        columnDivisor = std::gcd(columnDivisor, x - top.begin()->first);
        rowDivisor = std::gcd(rowDivisor, std::abs(y - top.begin()->second));
    }
    EXPECT_GT(steps, 20);
    EXPECT_EQ(columnDivisor, 1);
    EXPECT_EQ(rowDivisor, 1);
}

} // namespace
} // namespace cyclo
