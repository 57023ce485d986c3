#include "ui/AboutForm.h"

#include "calendar/Cycles.h"
#include "chart/QtChartStyle.h"
#include "ui/app/WindowSetUp.h"
#include "ui/widgets/PictureButtons.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>
#include <array>
#include <string_view>

namespace cyclo {

namespace {

constexpr QSize kClientSize(427, 201);
constexpr QRect kMemo(8, 8, 409, 153);
constexpr QRect kOkBtn(168, 168, 91, 25);

// A read-only text box that keeps a caret for moving through the text and
// takes Enter itself, so Enter in it does not press the window's OK button.
class ReadOnlyMemo : public QPlainTextEdit
{
public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            event->accept();
            return;
        }
        QPlainTextEdit::keyPressEvent(event);
    }
};

// How many cycles there are, as a word: "four".
QString countWord(std::size_t count)
{
    constexpr std::array<const char*, 10> kWords = {"no",   "one", "two",   "three", "four",
                                                    "five", "six", "seven", "eight", "nine"};
    return count < kWords.size() ? QString::fromLatin1(kWords[count]) : QString::number(count);
}

// "The physical cycle lasts 23 days, the emotional cycle 28 days, ... and
// the intuitive cycle 38 days.": the cycles from the shortest to the longest.
QString cycleLengthsSentence()
{
    std::array<const CycleInfo*, kCycles.size()> byLength{};
    for (std::size_t i = 0; i < kCycles.size(); ++i)
        byLength[i] = &kCycles[i];
    std::stable_sort(byLength.begin(), byLength.end(),
                     [](const CycleInfo* a, const CycleInfo* b) { return a->period < b->period; });
    QString sentence;
    for (std::size_t i = 0; i < byLength.size(); ++i) {
        const QString name = toQString(byLength[i]->name);
        const QString days = QString::number(byLength[i]->period);
        if (i == 0)
            sentence = QStringLiteral("The %1 cycle lasts %2 days").arg(name, days);
        else
            sentence +=
                QStringLiteral("%1the %2 cycle %3 days")
                    .arg(i + 1 == byLength.size() ? QStringLiteral(" and ") : QStringLiteral(", "),
                         name, days);
    }
    return sentence + QLatin1Char('.');
}

} // namespace

TAboutBioForm::TAboutBioForm(QWidget* parent) : NoCancelDialog(parent)
{
    setObjectName(QStringLiteral("AboutBioForm"));
    SetUpWindow(*this, parent,
                {.title = QStringLiteral("About the Biorhythm"), .clientSize = kClientSize});

    createMemo();
    createOkButton();
    setTabOrder(Memo1, OkBtn);
}

QStringList TAboutBioForm::ExplanationLines()
{
    return {
        QStringLiteral("The biorhythm is made of %1 cycles that start on the day of birth and "
                       "repeat with the same length for the whole of life.")
            .arg(countWord(kCycles.size())),
        cycleLengthsSentence(),
        QStringLiteral("The chart draws each cycle as a curve that swings around the critical "
                       "line, the zero line in the middle of the chart."),
        QStringLiteral("While a curve runs above the critical line, its cycle is in the active "
                       "phase, which may be read as a good time for that side of life."),
        QStringLiteral("While a curve runs below the critical line, its cycle is in the passive "
                       "phase, which may be read as a bad time for it."),
        QStringLiteral("A day on which a curve crosses the critical line downwards, into a "
                       "passive phase, is a critical day."),
        QStringLiteral("A day on which a curve crosses the critical line upwards, into an active "
                       "phase, is a zero day: the curve stands where it stood at birth."),
        QStringLiteral("Critical days and zero days are the most important days of the "
                       "biorhythm."),
        QStringLiteral("Critical days call for more caution than zero days."),
        QStringLiteral("As one, two or three curves cross the line on the same day, we speak of "
                       "simple, twofold or triple critical and zero days."),
    };
}

void TAboutBioForm::createMemo()
{
    Memo1 = new ReadOnlyMemo(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(kMemo);
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->setPlainText(ExplanationLines().join(QLatin1Char('\n')));
}

void TAboutBioForm::createOkButton()
{
    OkBtn = MakeOkButton(this, kOkBtn);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBioForm::showEvent(QShowEvent* event)
{
    // Every opening starts in the text, at its beginning.
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->setFocus();
    QDialog::showEvent(event);
}

} // namespace cyclo
