// support/ModalDialogs.h clicks buttons but does not include their class.
// clang-format off
#include <QAbstractButton>
// clang-format on

#include "ui/printing/ChartPrinting.h"

#include "controls/Clock.h"
#include "register/PersonRegister.h"
#include "support/ModalDialogs.h"
#include "support/TempDir.h"
#include "ui/BioUnit.h"
#include "support/WindowsDifferences.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

const ChartState kAnnaInJune{{1981, 4, 8}, {1998, 6, 6}};

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

TEST(ChartPrintingTest, ThePrintedPageCarriesHeadingsTheChartAndTheLegend)
{
#ifdef _WIN32
    GTEST_SKIP() << test::kNoPopplerOnWindows;
#endif
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

    // The chart is drawn in the printer's own dots, not pasted as a picture,
    // and its scale and day numbers are the page's text.
    EXPECT_TRUE(imagesOf(pdf).empty());
    for (const char* expected : {"100 %", "-100 %", "30"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(expected))) << expected;
}

// Anna is 6268 days old on 6 June 1998; the values and critical days were
// worked out apart from the program.
TEST(ChartPrintingTest, UnderTheLegendStandTheDaysLineAndTheMonthsCriticalDays)
{
#ifdef _WIN32
    GTEST_SKIP() << test::kNoPopplerOnWindows;
#endif
    struct Case
    {
        const char* what;
        ChartState state;
        QStringList present;
        QStringList absent;
    };
    ChartState withoutPhysical = kAnnaInJune;
    withoutPhysical.show(Cycle::Physical, false);
    const Case cases[] = {
        {"all four curves",
         kAnnaInJune,
         {QStringLiteral("Intellectual -37 %  Emotional -78 %  Physical -14 %  Intuitive -32 %  "
                         "Critical: physical"),
          QStringLiteral("Critical days of the intellectual cycle in June 1998: 8, 25"),
          QStringLiteral("Critical days of the emotional cycle in June 1998: 10, 24"),
          QStringLiteral("Critical days of the physical cycle in June 1998: 6, 17, 29"),
          QStringLiteral("Critical days of the intuitive cycle in June 1998: 8, 27")},
         {}},
        {"physical switched off",
         withoutPhysical,
         {QStringLiteral("Intellectual -37 %  Emotional -78 %  Intuitive -32 %"),
          QStringLiteral("Critical days of the intellectual cycle in June 1998: 8, 25"),
          QStringLiteral("Critical days of the emotional cycle in June 1998: 10, 24"),
          QStringLiteral("Critical days of the intuitive cycle in June 1998: 8, 27")},
         {QStringLiteral("Critical:"), QStringLiteral("physical cycle")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::TempDir dir;
        const auto pdf = dir.file("chart.pdf");
        bool printed = false;
        printToPdf(pdf,
                   {QStringLiteral("Anna ( 4/8/1981 )"), QStringLiteral("June 6, 1998"), c.state},
                   &printed);
        ASSERT_TRUE(printed);
        // Line by line as on the page; pdftotext gives the gaps between
        // the values as single blanks.
        const QString text = run(
            QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QString::fromStdString(pdf.string()), QStringLiteral("-")});
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines)
            line = line.simplified();
        for (const QString& expected : c.present)
            EXPECT_TRUE(lines.contains(expected.simplified())) << expected.toStdString() << "\n"
                                                               << text.toStdString();
        for (const QString& unexpected : c.absent)
            EXPECT_FALSE(text.contains(unexpected)) << unexpected.toStdString();
        // The text blocks left room for the chart: its scale stands on the
        // same single page (pdftotext ends every page with a form feed).
        EXPECT_TRUE(text.contains(QStringLiteral("-100 %")));
        EXPECT_EQ(text.count(QLatin1Char('\f')), 1);
    }
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
#ifdef _WIN32
    GTEST_SKIP() << test::kNativePrintDialogOnWindows;
#endif
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

} // namespace
} // namespace cyclo
