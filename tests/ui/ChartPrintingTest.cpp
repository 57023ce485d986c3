// support/ModalDialogs.h clicks buttons but does not include their class.
// clang-format off
#include <QAbstractButton>
// clang-format on

#include "ui/ChartPrinting.h"

#include "chart/MonthChart.h"
#include "chart/QtChartSurface.h"
#include "controls/Clock.h"
#include "register/PersonRegister.h"
#include "support/ModalDialogs.h"
#include "support/TempDir.h"
#include "ui/BioUnit.h"
#include "chart/PrintChartSurface.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

const ChartState kAnnaInJune{{1981, 4, 8}, {1998, 6, 6}};
constexpr QSize kDesignSize(418, 283);
// Left of the scale's ticks stand the percentages, whose letters are drawn
// afresh at every size.
constexpr int kFirstChartColumn = 45;

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(20000)) << program.toStdString();
    EXPECT_EQ(process.exitCode(), 0) << program.toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct PdfImage
{
    int width = 0;
    int height = 0;
    QString encoding;
};

// The images of a PDF as `pdfimages -list` reports them.
std::vector<PdfImage> imagesOf(const std::filesystem::path& pdf)
{
    const QStringList lines = run(QStringLiteral("pdfimages"),
                                  {QStringLiteral("-list"), QString::fromStdString(pdf.string())})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    std::vector<PdfImage> images;
    // Two header lines: the column names and a rule.
    for (qsizetype i = 2; i < lines.size(); ++i) {
        const QStringList columns = lines[i].simplified().split(QLatin1Char(' '));
        if (columns.size() < 10)
            continue;
        // page num type width height color comp bpc enc ...
        images.push_back({columns[3].toInt(), columns[4].toInt(), columns[8]});
    }
    return images;
}

void printToPdf(const std::filesystem::path& pdf, const ChartPrintout& page, bool* printed)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    *printed = PrintChartPage(printer, page);
}

TEST(ChartPrintingTest, ThePrintedPageCarriesHeadingsASharpChartImageAndTheLegend)
{
    test::TempDir dir;
    const auto pdf = dir.file("chart.pdf");
    bool printed = false;
    printToPdf(pdf,
               {QStringLiteral("Anna ( 4/8/1981 )"), QStringLiteral("June 6, 1998"), kAnnaInJune},
               &printed);
    ASSERT_TRUE(printed);
    ASSERT_TRUE(std::filesystem::exists(pdf));

    const QString text = run(QStringLiteral("pdftotext"),
                             {QString::fromStdString(pdf.string()), QStringLiteral("-")});
    for (const char* expected :
         {"Anna ( 4/8/1981 )", "June 6, 1998", "Intellectual constitution",
          "Emotional constitution", "Physical constitution", "Intuitive constitution"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;

    const std::vector<PdfImage> images = imagesOf(pdf);
    ASSERT_EQ(images.size(), 1U);
    // Laid out at screen size for the page width (some 700 pixels) and drawn
    // at four image pixels per screen pixel, stored without lossy
    // compression.
    EXPECT_GT(images[0].width, 2000);
    EXPECT_EQ(images[0].width % 4, 0);
    EXPECT_EQ(images[0].height % 4, 0);
    EXPECT_NEAR(images[0].width / static_cast<double>(images[0].height), 418.0 / 283.0, 0.02);
    EXPECT_NE(images[0].encoding, QStringLiteral("jpeg"));
}

TEST(ChartPrintingTest, APrinterThatCannotBeOpenedIsReported)
{
    test::TempDir dir;
    bool printed = true;
    printToPdf(dir.file("missing") / "chart.pdf", {QStringLiteral("A"), QStringLiteral("B"), {}},
               &printed);
    EXPECT_FALSE(printed);
}

TEST(ChartPrintingTest, PrintButtonOpensThePrintDialogAndACancelPrintsNothing)
{
    test::TempDir dir;
    PersonRegister persons(dir.file("personen.dat"));
    persons.AddPerson("Anna", {1981, 4, 8});
    FixedClock clock(QDate(1998, 6, 6));
    TBioForm form(persons, clock);
    form.SetChartPerson(1, {1981, 4, 8}, {1998, 6, 6}, QStringLiteral("Anna ( 4/8/1981 )"));
    form.show();

    bool wasPrintDialog = false;
    test::ModalAnswer answer([&](QWidget* modal) {
        auto* dialog = qobject_cast<QPrintDialog*>(modal);
        wasPrintDialog = dialog != nullptr;
        if (dialog != nullptr)
            dialog->reject();
    });
    form.findChild<QPushButton*>(QStringLiteral("PrintBtn"))->click();
    ASSERT_TRUE(answer.answered());
    EXPECT_TRUE(wasPrintDialog);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// The chart on paper has the same layout as on the screen: every screen
// pixel of the day bands and the frame becomes a block of scale x scale.
TEST(PrintChartSurfaceTest, BandsAndFrameAreTheScreenChartsPixelsEnlarged)
{
    QtChartSurface screen(kDesignSize);
    zeichneBitmap(screen, kAnnaInJune);
    const QImage& expected = screen.image();
    for (const int scale : {1, 2, 4}) {
        SCOPED_TRACE(scale);
        PrintChartSurface paper(kDesignSize, scale);
        zeichneBitmap(paper, kAnnaInJune);
        const QImage& image = paper.image();
        ASSERT_EQ(image.size(), kDesignSize * scale);
        // Row 4 is the frame's top, 7 lies in the bands above every curve,
        // 260 in the bands below them.
        for (const int row : {4, 7, 260}) {
            for (int x = kFirstChartColumn; x < kDesignSize.width(); ++x) {
                for (const int dy : {0, scale - 1}) {
                    const int dx = (x * 7) % scale; // a different sample in each block
                    ASSERT_EQ(image.pixel(x * scale + dx, row * scale + dy), expected.pixel(x, row))
                        << "row " << row << " column " << x;
                }
            }
        }
    }
}

TEST(PrintChartSurfaceTest, TextIsMeasuredAtScreenSizeAndDrawnScaleTimesLarger)
{
    QtChartSurface screen(QSize(100, 40));
    constexpr int kScale = 4;
    PrintChartSurface paper(QSize(100, 40), kScale);
    const std::string_view label = "-100 %";
    EXPECT_EQ(paper.textWidth(label), screen.textWidth(label));
    EXPECT_EQ(paper.textHeight(label), screen.textHeight(label));

    paper.setClearBrush();
    paper.textOut(10, 10, label);
    const QImage& image = paper.image();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    const int cellWidth = screen.textWidth(label) * kScale;
    const int cellHeight = screen.textHeight(label) * kScale;
    EXPECT_GE(ink.left(), 10 * kScale);
    EXPECT_GE(ink.top(), 10 * kScale);
    EXPECT_LE(ink.right(), 10 * kScale + cellWidth + kScale);
    EXPECT_LE(ink.bottom(), 10 * kScale + cellHeight);
    EXPECT_GT(ink.width(), cellWidth * 3 / 4);
    EXPECT_GT(ink.height(), cellHeight / 3);
}

TEST(PrintChartSurfaceTest, StraightLinesCoverTheScreenPixelsWithoutTheirEndPoint)
{
    struct Case
    {
        const char* what;
        QPoint from;
        QPoint to;
        int penWidth;
        QRect covered; // in screen pixels
    };
    const Case cases[] = {
        {"right", {2, 5}, {7, 5}, 1, {2, 5, 5, 1}},
        {"left", {7, 5}, {2, 5}, 1, {3, 5, 5, 1}},
        {"down", {4, 1}, {4, 6}, 1, {4, 1, 1, 5}},
        {"up", {4, 6}, {4, 1}, 1, {4, 2, 1, 5}},
        {"three pixels wide", {2, 5}, {7, 5}, 3, {2, 4, 5, 3}},
        {"two pixels wide", {4, 1}, {4, 6}, 2, {4, 1, 2, 5}},
    };
    constexpr int kScale = 3;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrintChartSurface paper(QSize(10, 10), kScale);
        paper.setPenWidth(c.penWidth);
        paper.moveTo(c.from.x(), c.from.y());
        paper.lineTo(c.to.x(), c.to.y());
        const QImage& image = paper.image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool inside = c.covered.contains(x / kScale, y / kScale);
                ASSERT_EQ(image.pixel(x, y), inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255))
                    << x << "," << y;
            }
    }
}

} // namespace
} // namespace cyclo
