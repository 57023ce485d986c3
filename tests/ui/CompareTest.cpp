// The Compare command from the main window: the two error messages, the pair
// selection dialog, the result window and its printed page.

#include "controls/Clock.h"
#include "controls/ShadowLabel.h"
#include "register/PersonRegister.h"
#include "support/ModalDialogs.h"
#include "support/TempDir.h"
#include "ui/ProgramWindows.h"
#include "support/WindowsDifferences.h"
#include "ui/printing/ComparisonPage.h"

#include <QComboBox>
#include <QDate>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace cyclo {
namespace {

using Step = std::function<void(QWidget*)>;

// One modal window as the user saw it.
struct Seen
{
    QString title;
    QString text; // message boxes only
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers modal windows in the order they open, one step each; a window
// beyond the steps is recorded and rejected, so an unexpected window fails
// the test instead of blocking it. A window stays answered while it is
// open, also while a window it opened is on top of it.
class ModalScript
{
public:
    explicit ModalScript(std::vector<Step> steps) : steps_(std::move(steps))
    {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }

    [[nodiscard]] const std::vector<Seen>& seen() const { return seen_; }
    [[nodiscard]] QStringList titles() const
    {
        QStringList result;
        for (const Seen& s : seen_)
            result << s.title;
        return result;
    }

private:
    void poll()
    {
        std::erase_if(open_, [](const QPointer<QWidget>& w) {
            const QWidget* widget = w.data();
            return widget == nullptr || widget->isHidden();
        });
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || std::find(open_.begin(), open_.end(), modal) != open_.end())
            return;
        open_.emplace_back(modal);
        Seen seen{modal->windowTitle(), {}, QMessageBox::NoIcon};
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.text = box->text();
            seen.icon = box->icon();
        }
        seen_.push_back(seen);
        const std::size_t index = seen_.size() - 1;
        // Answered from a timer of its own: a step that opens a further window
        // runs its modal loop there, and this timer must go on polling
        // (a timer never fires again while its own handler runs).
        Step step = index < steps_.size() ? steps_[index] : rejectUnexpected;
        QTimer::singleShot(0, modal, [step, modal] { step(modal); });
    }

    static void rejectUnexpected(QWidget* modal)
    {
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }

    std::vector<Step> steps_;
    std::vector<Seen> seen_;
    std::vector<QPointer<QWidget>> open_;
    QTimer timer_;
};

template <typename T> T* child(QWidget* window, const char* name)
{
    auto* widget = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

void click(QWidget* window, const char* button)
{
    QTest::mouseClick(child<QPushButton>(window, button), Qt::LeftButton);
}

// Steps for the pair selection dialog: moves the selections by arrow keys
// (positive: down), then presses OK.
Step choose(int moveP1, int moveP2)
{
    return [moveP1, moveP2](QWidget* dialog) {
        for (auto [name, move] : {std::pair{"P1Combo", moveP1}, std::pair{"P2Combo", moveP2}}) {
            auto* combo = child<QComboBox>(dialog, name);
            for (int i = 0; i < std::abs(move); ++i)
                QTest::keyClick(combo, move > 0 ? Qt::Key_Down : Qt::Key_Up);
        }
        click(dialog, "OkBtn");
    };
}

const char* const kResultLabels[] = {"Intel", "Emot", "Phys", "Intu", "Aver"};

// A result window step that reads the five lines into `lines`, then presses OK.
Step readResult(QStringList& lines)
{
    return [&lines](QWidget* window) {
        lines.clear();
        for (const char* name : kResultLabels)
            lines << child<ShadowLabel>(window, name)->text();
        click(window, "OkBtn");
    };
}

void pressOk(QWidget* modal)
{
    test::pressButton(QMessageBox::Ok)(modal);
}

const QString kResultTitle = QStringLiteral("Result of the comparison");
const QString kSelectTitle = QStringLiteral("Compare persons");

class CompareTest : public testing::Test
{
protected:
    struct Person
    {
        const char* name;
        TYmd birth;
    };

    // Writes the person file and starts the program's windows on it.
    void start(std::initializer_list<Person> people)
    {
        PersonRegister seed(file);
        for (const Person& p : people)
            ASSERT_TRUE(seed.AddPerson(p.name, p.birth).ok());
        windows.emplace(persons, clock);
    }

    void pressCompare() { click(&windows->personForm(), "CompBtn"); }

    test::TempDir dir;
    std::filesystem::path file = dir.file("personen.dat");
    PersonRegister persons{file};
    FixedClock clock{QDate(2024, 6, 6)};
    std::optional<ProgramWindows> windows;
};

TEST_F(CompareTest, WithFewerThanTwoPersonsCompareSaysSoAndOpensNoDialog)
{
    struct Case
    {
        const char* what;
        std::initializer_list<Person> people;
    };
    const Case cases[] = {
        {"no person", {}},
        {"one person", {{"Anna", {1981, 4, 8}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(file);
        start(c.people);

        ModalScript script({pressOk});
        pressCompare();

        ASSERT_EQ(script.seen().size(), 1U);
        EXPECT_EQ(script.seen()[0].title, QStringLiteral("Error"));
        EXPECT_EQ(script.seen()[0].text,
                  QStringLiteral("There have to exist 2 persons for comparison."));
        EXPECT_EQ(script.seen()[0].icon, QMessageBox::Critical);
        EXPECT_FALSE(windows->compForm().isVisible());
    }
}

TEST_F(CompareTest, TheSamePersonTwiceIsRefusedAndNoResultOpens)
{
    start({{"Anna", {1981, 4, 8}}, {"Bernd", {1975, 12, 24}}, {"Claudia", {1990, 1, 3}}});
    struct Case
    {
        const char* what;
        int moveP1;
        int moveP2;
    };
    const Case cases[] = {
        {"second list moved up to the first person", 0, -1},
        {"first list moved down to the second person", 1, 0},
        {"both on the third person", 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ModalScript script({choose(c.moveP1, c.moveP2), pressOk});
        pressCompare();

        EXPECT_EQ(script.titles(), (QStringList{kSelectTitle, QStringLiteral("Error")}));
        ASSERT_EQ(script.seen().size(), 2U);
        EXPECT_EQ(script.seen()[1].text,
                  QStringLiteral("You have to select 2 different persons for the comparison."));
        EXPECT_EQ(script.seen()[1].icon, QMessageBox::Critical);
    }
}

TEST_F(CompareTest, CancellingThePairSelectionEndsTheCommandSilently)
{
    start({{"Anna", {1981, 4, 8}}, {"Bernd", {1975, 12, 24}}});
    struct Case
    {
        const char* what;
        Step cancel;
    };
    const Case cases[] = {
        {"Cancel button", [](QWidget* dialog) { click(dialog, "CancelBtn"); }},
        {"Esc", [](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }},
        {"close box", [](QWidget* dialog) { dialog->close(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ModalScript script({c.cancel});
        pressCompare();

        EXPECT_EQ(script.titles(), QStringList{kSelectTitle});
        EXPECT_FALSE(windows->compForm().isVisible());
    }
}

TEST_F(CompareTest, SelectionListsShowEveryPersonAndStartOnTheFirstTwo)
{
    start({{"Anna", {1981, 4, 8}}, {"Bernd", {1975, 12, 24}}, {"Claudia", {1990, 1, 3}}});
    const QStringList expected = {QStringLiteral("Anna ( 4/8/1981 )"),
                                  QStringLiteral("Bernd ( 12/24/1975 )"),
                                  QStringLiteral("Claudia ( 1/3/1990 )")};
    // Twice: the lists are refilled, not appended to, and the choice of the
    // last use is forgotten.
    for (int use = 0; use < 2; ++use) {
        SCOPED_TRACE(use);
        ModalScript script({[&](QWidget* dialog) {
            for (auto [name, selected] : {std::pair{"P1Combo", 0}, std::pair{"P2Combo", 1}}) {
                auto* combo = child<QComboBox>(dialog, name);
                QStringList items;
                for (int i = 0; i < combo->count(); ++i)
                    items << combo->itemText(i);
                EXPECT_EQ(items, expected) << name;
                EXPECT_EQ(combo->currentIndex(), selected) << name;
                EXPECT_FALSE(combo->isEditable()) << name;
            }
            QTest::keyClick(child<QComboBox>(dialog, "P2Combo"), Qt::Key_Down);
            click(dialog, "CancelBtn");
        }});
        pressCompare();
        ASSERT_EQ(script.seen().size(), 1U);
    }
}

TEST_F(CompareTest, ComparingAWithBGivesTheSameLinesAsBWithA)
{
    start({{"Anna", {1981, 4, 8}}, {"Bernd", {1975, 12, 24}}, {"Claudia", {1990, 1, 3}}});
    QStringList aWithC;
    QStringList cWithA;
    {
        ModalScript script({choose(0, 1), readResult(aWithC)});
        pressCompare();
        ASSERT_EQ(script.titles(), (QStringList{kSelectTitle, kResultTitle}));
    }
    {
        ModalScript script({choose(2, -1), readResult(cWithA)});
        pressCompare();
        ASSERT_EQ(script.titles(), (QStringList{kSelectTitle, kResultTitle}));
    }
    ASSERT_EQ(aWithC.size(), 5);
    EXPECT_EQ(aWithC, cWithA);
    const ComparisonPage& page = windows->compErgebForm().Page();
    EXPECT_EQ(page.person1, QStringLiteral("Claudia ( 1/3/1990 )"));
    EXPECT_EQ(page.person2, QStringLiteral("Anna ( 4/8/1981 )"));
}

TEST_F(CompareTest, ResultShowsTheFiveLinesForBirthDatesOneFiveAndTenDaysApart)
{
    struct Case
    {
        int daysApart;
        TYmd second;
        QStringList lines;
    };
    const Case cases[] = {
        {1,
         {1981, 4, 9},
         {" 94 % intellectual equality", " 93 % emotional equality", " 91 % physical equality",
          " 95 % intuitive equality", " 93 % average equality"}},
        {5,
         {1981, 4, 13},
         {" 70 % intellectual equality", " 64 % emotional equality", " 57 % physical equality",
          " 74 % intuitive equality", " 66 % average equality"}},
        {10,
         {1981, 4, 18},
         {" 39 % intellectual equality", " 29 % emotional equality", " 13 % physical equality",
          " 47 % intuitive equality", " 32 % average equality"}},
    };
    const QColor colours[] = {QColor(0, 128, 0), QColor(128, 0, 0), QColor(0, 0, 128),
                              QColor(128, 0, 128), QColor(0, 0, 0)};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.daysApart);
        std::filesystem::remove(file);
        start({{"Anna", {1981, 4, 8}}, {"Bernd", c.second}});

        QStringList shown;
        bool stayedOpenOnEsc = false;
        ModalScript script({
            // The first two persons are preselected; Enter presses OK.
            [](QWidget* dialog) {
                QTest::keyClick(child<QComboBox>(dialog, "P1Combo"), Qt::Key_Return);
            },
            [&](QWidget* window) {
                for (std::size_t i = 0; i < std::size(kResultLabels); ++i) {
                    auto* label = child<ShadowLabel>(window, kResultLabels[i]);
                    shown << label->text();
                    EXPECT_EQ(label->palette().color(QPalette::WindowText), colours[i]);
                    EXPECT_EQ(label->font().family(), QStringLiteral("Times New Roman"));
                    EXPECT_EQ(label->font().pointSize(), 16);
                    EXPECT_TRUE(label->font().bold());
                    EXPECT_EQ(label->ShadowPos(), ShadowLabel::ShadowPosition::spLeftTop);
                }
                // No cancel button: Esc leaves the result on the screen.
                QTest::keyClick(window, Qt::Key_Escape);
                stayedOpenOnEsc = window->isVisible();
                QTest::keyClick(child<QPushButton>(window, "OkBtn"), Qt::Key_Return);
            },
        });
        pressCompare();

        EXPECT_EQ(script.titles(), (QStringList{kSelectTitle, kResultTitle}));
        EXPECT_EQ(shown, c.lines);
        EXPECT_TRUE(stayedOpenOnEsc);
        EXPECT_FALSE(windows->compErgebForm().isVisible());
    }
}

// The text pdftotext reads from a PDF, blanks runs folded into one blank.
QString pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    return QString::fromUtf8(process.readAllStandardOutput());
}

TEST_F(CompareTest, PrintedPageHoldsBothPersonsAndTheFiveLines)
{
#ifdef _WIN32
    GTEST_SKIP() << test::kNoPopplerOnWindows;
#endif
    start({{"Anna", {1981, 4, 8}}, {"Bernd", {1981, 4, 18}}});
    ModalScript script({choose(0, 0), [](QWidget* window) { click(window, "OkBtn"); }});
    pressCompare();
    ASSERT_EQ(script.titles(), (QStringList{kSelectTitle, kResultTitle}));

    const QString pdf = QString::fromStdString(dir.file("comparison.pdf").string());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    ASSERT_TRUE(PrintComparison(printer, windows->compErgebForm().Page()));

    const QString text = pdfText(pdf);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 1) << "one page";
    const QString folded = text.simplified();
    for (const char* expected :
         {"Anna ( 4/8/1981 )", "Bernd ( 4/18/1981 )", "39 % intellectual equality",
          "29 % emotional equality", "13 % physical equality", "47 % intuitive equality",
          "32 % average equality"})
        EXPECT_TRUE(folded.contains(QString::fromLatin1(expected))) << expected << "\n"
                                                                    << text.toStdString();
}

TEST_F(CompareTest, PrintButtonAsksForThePrinterThenPrintsThePage)
{
#ifdef _WIN32
    GTEST_SKIP() << test::kNativePrintDialogOnWindows;
#endif
    start({{"Anna", {1981, 4, 8}}, {"Bernd", {1981, 4, 18}}});
    struct Case
    {
        const char* what;
        bool accept;
    };
    for (const Case c : {Case{"dialog accepted", true}, Case{"dialog cancelled", false}}) {
        SCOPED_TRACE(c.what);
        const auto pdf = dir.file(c.accept ? "accepted.pdf" : "cancelled.pdf");
        bool printDialog = false;
        ModalScript script({
            choose(0, 0),
            [](QWidget* window) {
                click(window, "PrintBtn");
                click(window, "OkBtn");
            },
            [&](QWidget* dialog) {
                auto* print = qobject_cast<QPrintDialog*>(dialog);
                printDialog = print != nullptr;
                if (print == nullptr)
                    return;
                // The printer as the user would choose it: to a PDF file.
                print->printer()->setOutputFormat(QPrinter::PdfFormat);
                print->printer()->setOutputFileName(QString::fromStdString(pdf.string()));
                print->done(c.accept ? QDialog::Accepted : QDialog::Rejected);
            },
        });
        pressCompare();

        ASSERT_EQ(script.seen().size(), 3U);
        EXPECT_TRUE(printDialog);
        EXPECT_FALSE(windows->compErgebForm().isVisible());
        ASSERT_EQ(std::filesystem::exists(pdf), c.accept);
        if (c.accept) {
            EXPECT_TRUE(pdfText(QString::fromStdString(pdf.string()))
                            .simplified()
                            .contains(QStringLiteral("32 % average equality")));
        }
    }
}

} // namespace
} // namespace cyclo
