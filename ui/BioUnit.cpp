#include "ui/BioUnit.h"

#include "assets/PictureList.h"
#include "chart/MonthChart.h"
#include "chart/QtChartStyle.h"
#include "controls/CalendarSteps.h"
#include "controls/Clock.h"
#include "controls/QtDate.h"
#include "controls/RepeatTimer.h"
#include "controls/ShadowLabel.h"
#include "register/PersonRegister.h"
#include "ui/ProductVersion.h"
#include "ui/app/MessageBoxes.h"
#include "ui/app/WindowSetUp.h"
#include "ui/printing/ChartPrinting.h"
#include "ui/printing/DayTexts.h"
#include "ui/printing/PrintCommand.h"
#include "ui/widgets/BevelPanel.h"
#include "ui/widgets/ChartView.h"
#include "ui/widgets/GlyphButton.h"
#include "ui/widgets/MonthCalendar.h"
#include "ui/widgets/PictureButtons.h"
#include "ui/widgets/WindowLook.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QStatusBar>
#include <cmath>

namespace cyclo {

namespace {

constexpr int kClientWidth = 641;
constexpr int kClientHeight = 421;

constexpr int kToolBandHeight = 65;
constexpr QPoint kBackBitBtnPos(8, 8);
constexpr QPoint kPrintBtnPos(89, 8);

constexpr int kSideColumnWidth = 219;
constexpr QPoint kCalendarFramePos(8, 8);
constexpr QSize kCalendarSize(201, 153);
constexpr QPoint kLiveDaysPos(9, 169);

constexpr int kLegendHeight = 90;
constexpr int kLegendBoxX = 8;
constexpr int kLegendFirstRow = 16;
constexpr int kLegendRowStep = 16;
constexpr int kLegendBoxSize = 17;
constexpr int kLegendCaptionX = 36;

constexpr int kNameLabelHeight = 24;
constexpr int kDateLabelHeight = 26;

const QColor kLegendShadow(128, 128, 128);

constexpr const char* kWindowCaption = kProgramName;

} // namespace

TBioForm::TBioForm(const PersonRegister& persons, const Clock& clock, QWidget* parent,
                   std::unique_ptr<RepeatTimer> timer)
    : NoCancelDialog(parent), persons_(persons), clock_(clock),
      Timer1(timer ? std::move(timer) : std::make_unique<QtRepeatTimer>())
{
    setObjectName(QStringLiteral("BioForm"));
    SetUpWindow(*this, parent,
                {.title = QString::fromLatin1(kWindowCaption),
                 .border = WindowFrame::Border::Sizeable,
                 .clientSize = QSize(kClientWidth, kClientHeight)});

    createToolBand();
    createSideColumn();
    createLegend();
    createChartColumn();
    createStatusBar();
    FormCreate();
    connectEvents();

    layoutAreas();
}

TBioForm::~TBioForm() = default;

void TBioForm::createToolBand()
{
    toolBand_ = new BevelPanel(this, BevelPanel::Bevel::None, BevelPanel::Bevel::None);

    BackBitBtn =
        MakeGlyphButton(toolBand_, {"BackBitBtn", ButtonPicture::Back, "&Back...",
                                    QRect(kBackBitBtnPos, kBandButtonSize), "Back to main window"});
    PrintBtn = MakeGlyphButton(toolBand_, {"PrintBtn", ButtonPicture::Print, "&Print",
                                           QRect(kPrintBtnPos, kBandButtonSize),
                                           "Prints the Biorhythm for the selected time span"});
    for (GlyphButton* button : {BackBitBtn, PrintBtn}) {
        button->setFlat(true);
        // The window has no default button: Enter on a check box does nothing.
        button->setAutoDefault(false);
    }
}

void TBioForm::createSideColumn()
{
    sideColumn_ = new BevelPanel(this, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered);

    calendarFrame_ =
        new BevelPanel(sideColumn_, BevelPanel::Bevel::Lowered, BevelPanel::Bevel::Raised);
    const int frameBevel = calendarFrame_->bevelWidth();
    calendarFrame_->setGeometry(
        QRect(kCalendarFramePos, kCalendarSize + QSize(2 * frameBevel, 2 * frameBevel)));

    MonthCalendar1 = new MonthCalendar(clock_, calendarFrame_);
    MonthCalendar1->setObjectName(QStringLiteral("MonthCalendar1"));
    MonthCalendar1->setGeometry(QRect(QPoint(frameBevel, frameBevel), kCalendarSize));

    LiveDays = new ShadowLabel(sideColumn_);
    LiveDays->setObjectName(QStringLiteral("LiveDays"));
    LiveDays->setFont(kDayOfLifeHeading.font());
    LiveDays->setTextColor(kDayOfLifeHeading.colour);
    LiveDays->move(kLiveDaysPos);
}

void TBioForm::createLegend()
{
    legend_ = new QGroupBox(QStringLiteral("Legend"), sideColumn_);
    legend_->setObjectName(QStringLiteral("Legend"));

    for (std::size_t i = 0; i < checkBoxes_.size(); ++i) {
        const CycleInfo& entry = kCycles[i];
        const int row = kLegendFirstRow + kLegendRowStep * static_cast<int>(i);

        auto* box = new QCheckBox(legend_);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setGeometry(kLegendBoxX, row, kLegendBoxSize, kLegendBoxSize);
        box->setChecked(true);
        checkBoxes_[i] = box;

        auto* caption = new ShadowLabel(toQString(entry.legend), legend_);
        caption->setObjectName(QStringLiteral("LegendCaption%1").arg(i + 1));
        // The caption beside a box says which curve it switches.
        box->setAccessibleName(caption->text());
        caption->setTextColor(toQColor(entry.colour));
        caption->setShadowColor(kLegendShadow);
        caption->setShadowPos(ShadowLabel::ShadowPosition::spRightBottom);
        // The group box's face shows through, whatever shade the style gives it.
        caption->setTransparent(true);
        // Beside its box, centred on it.
        caption->move(kLegendCaptionX, row + (kLegendBoxSize - caption->height()) / 2);
    }
}

void TBioForm::createChartColumn()
{
    chartColumn_ = new BevelPanel(this, BevelPanel::Bevel::Raised, BevelPanel::Bevel::Lowered);

    const auto makeTitle = [this](const char* name, const HeadingLook& look) {
        auto* label = new ShadowLabel(chartColumn_);
        label->setObjectName(QString::fromLatin1(name));
        label->setAutoSize(false);
        label->setAlignment(Qt::AlignHCenter);
        label->setFont(look.font());
        label->setTextColor(look.colour);
        return label;
    };
    NameLabel = makeTitle("NameLabel", kPersonHeading);
    DateLabel = makeTitle("DateLabel", kDateHeading);

    PaintBox1 =
        new ChartView([this](QPainter& painter, QSize size) { PaintBox1Paint(painter, size); },
                      [this](CalendarStep step) { PaintBox1StepDay(step); }, chartColumn_);
    PaintBox1->setObjectName(QStringLiteral("PaintBox1"));
    PaintBox1->setAccessibleName(QStringLiteral("Biorhythm chart"));
}

void TBioForm::createStatusBar()
{
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(true);
    // A widget of the bar rather than a message: a message gives way to
    // any status tip.
    dayLine_ = new QLabel(statusBar_);
    dayLine_->setObjectName(QStringLiteral("DayLine"));
    statusBar_->addWidget(dayLine_, 1);
}

void TBioForm::FormCreate()
{
    MonthCalendar1->setSelectedDate(clock_.today());
    // SinTable is built on its first use; build it now, before any drawing.
    static_cast<void>(SinTable());
    chart_.shown = kAllCycles;
}

void TBioForm::connectEvents()
{
    connect(BackBitBtn, &QPushButton::clicked, this, &TBioForm::BackBitBtnClick);
    connect(PrintBtn, &QPushButton::clicked, this, &TBioForm::PrintBtnClick);
    connect(MonthCalendar1, &MonthCalendar::calendarClicked, this, &TBioForm::MonthCalendar1Click);
    connect(MonthCalendar1, &MonthCalendar::monthInfoRequested, this,
            &TBioForm::MonthCalendar1GetMonthInfo);
    Timer1->setCallback([this] { Timer1Timer(); });

    for (QCheckBox* box : checkBoxes_)
        connect(box, &QCheckBox::toggled, this, &TBioForm::CheckBox1Click);

    for (std::size_t i = 1; i < checkBoxes_.size(); ++i)
        setTabOrder(checkBoxes_[i - 1], checkBoxes_[i]);
    // The chart follows the legend, so its keys are one Tab away from it.
    setTabOrder(checkBoxes_.back(), PaintBox1);
    setTabOrder(PaintBox1, BackBitBtn);
    setTabOrder(BackBitBtn, PrintBtn);
}

// The areas dock as the window is sized: the tool band at the top, the
// status bar at the bottom, the side column on the left with the legend at
// its foot, and the chart column taking the rest, its paint area under the
// two texts.
void TBioForm::layoutAreas()
{
    const int clientWidth = width();
    const int clientHeight = height();
    toolBand_->setGeometry(0, 0, clientWidth, kToolBandHeight);
    statusBar_->setGeometry(0, clientHeight - kStatusBarHeight, clientWidth, kStatusBarHeight);

    const int columnsHeight = std::max(0, clientHeight - kToolBandHeight - kStatusBarHeight);
    sideColumn_->setGeometry(0, kToolBandHeight, kSideColumnWidth, columnsHeight);
    const int sideBevel = sideColumn_->bevelWidth();
    legend_->setGeometry(sideBevel, columnsHeight - sideBevel - kLegendHeight,
                         kSideColumnWidth - 2 * sideBevel, kLegendHeight);

    chartColumn_->setGeometry(kSideColumnWidth, kToolBandHeight,
                              std::max(0, clientWidth - kSideColumnWidth), columnsHeight);
    const int chartBevel = chartColumn_->bevelWidth();
    const int innerWidth = std::max(0, chartColumn_->width() - 2 * chartBevel);
    NameLabel->setGeometry(chartBevel, chartBevel, innerWidth, kNameLabelHeight);
    DateLabel->setGeometry(chartBevel, chartBevel + kNameLabelHeight, innerWidth, kDateLabelHeight);
    const int paintTop = chartBevel + kNameLabelHeight + kDateLabelHeight;
    PaintBox1->setGeometry(chartBevel, paintTop, innerWidth,
                           std::max(0, columnsHeight - chartBevel - paintTop));
}

void TBioForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    layoutAreas();
}

void TBioForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    checkBoxes_[0]->setFocus();
}

QDate TBioForm::CalendarDate() const
{
    return MonthCalendar1->selectedDate();
}

void TBioForm::SetChartPerson(int slot, const TYmd& birth, const TYmd& view, const QString& line)
{
    chartSlot_ = slot;
    chart_.ChartBirth = birth;
    chart_.ChartView = view;
    NameLabel->setText(line);
    DateLabel->setText(QStringLiteral("%1 %2, %3")
                           .arg(QString::fromLatin1(MonthNames(view.Month)))
                           .arg(view.Day)
                           .arg(view.Year));
    const int dayOfLife = DayNumber(view) - DayNumber(birth) + 1;
    LiveDays->setText(QString::number(dayOfLife) + QStringLiteral(". day of live"));
    showDayTexts();
}

void TBioForm::ShowPerson(int slot)
{
    if (slot < 1 || slot > kMaxPersons)
        return;
    const TPerson& person = persons_.Persons(slot);
    SetChartPerson(slot, person.BirthDate(), toYmd(CalendarDate()),
                   QString::fromStdString(persons_.PersonText(slot)));
    redrawChart();
}

void TBioForm::DateEdit3Change()
{
    // Before the first opening there is no person to show.
    if (chartSlot_ == 0)
        return;
    ShowPerson(chartSlot_);
    emit refreshed();
}

void TBioForm::MonthCalendar1Click()
{
    DateEdit3Change();
}

// A day, month or year step from the chart's keys: the calendar selects the
// day reached and the window shows it as after a click on that day. A step
// past the calendar's first or last day does nothing.
void TBioForm::PaintBox1StepDay(CalendarStep step)
{
    const QDate date = SteppedDate(CalendarDate(), step);
    if (!date.isValid() || date < MonthCalendar1->minimumDate() ||
        date > MonthCalendar1->maximumDate())
        return;
    MonthCalendar1->selectDateFromOutside(date);
    MonthCalendar1Click();
    QString day = DateLabel->text();
    if (!dayLine_->text().isEmpty())
        day += QStringLiteral(": ") + dayLine_->text();
    PaintBox1->announceDay(day);
}

void TBioForm::MonthCalendar1GetMonthInfo()
{
    // The first request of a burst starts the timer; later ones while it
    // runs leave it alone, so the chart follows once per burst.
    if (!Timer1->isActive())
        Timer1->start(kTimer1IntervalMs);
}

void TBioForm::Timer1Timer()
{
    DateEdit3Change();
    Timer1->stop();
}

void TBioForm::CheckBox1Click()
{
    // The boxes stand in the order of the cycle table, as the selection does.
    for (std::size_t i = 0; i < checkBoxes_.size(); ++i)
        chart_.shown[i] = checkBoxes_[i]->isChecked();
    showDayTexts();
    redrawChart();
}

// The day's values in the status bar, and the chart's description for
// screen readers, follow the person, the day and the legend.
void TBioForm::showDayTexts()
{
    dayLine_->setText(DayLineOf(chart_));
    // Screen readers speak every change of the chart's description while it
    // has the focus, so an unchanged one is not set again.
    const QString description = ChartDescription(NameLabel->text(), DateLabel->text(), chart_);
    if (description != PaintBox1->accessibleDescription())
        PaintBox1->setAccessibleDescription(description);
}

void TBioForm::BackBitBtnClick()
{
    accept();
}

void TBioForm::PrintBtnClick()
{
    const ChartPrintout page{NameLabel->text(), DateLabel->text(), chart_};
    // The print queue names the chart by its person and date.
    const QString documentName = page.personLine + QStringLiteral(", ") + page.viewedDate;
    if (PrintWithDialog(*this, printer_, documentName, [&page](QPrinter& printer) {
            return PrintChartPage(printer, page);
        }) == PrintOutcome::Failed)
        ShowMessage(this, QMessageBox::Warning, QStringLiteral("The chart could not be printed."));
}

void TBioForm::redrawChart()
{
    PaintBox1->update();
}

// The chart is drawn in the screen's device pixels at its device pixel ratio
// (the paint area's size times the ratio, rounded up so that every device
// pixel is covered) and copied in one operation.
void TBioForm::PaintBox1Paint(QPainter& painter, QSize size)
{
    const qreal ratio = painter.device()->devicePixelRatio();
    bitmap_.resize(QSize(static_cast<int>(std::ceil(size.width() * ratio)),
                         static_cast<int>(std::ceil(size.height() * ratio))));
    DrawChart(bitmap_, chart_, ratio);
    painter.drawImage(QPoint(0, 0), bitmap_.image());
}

} // namespace cyclo
