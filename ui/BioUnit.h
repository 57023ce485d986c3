#pragma once
// The chart window: the month chart of one person beside a month calendar
// that chooses the month and the highlighted day, a legend whose check boxes
// switch the four curves, the person's line, the viewed date and the day of
// life, and in the status bar the viewed day's values. Opened modally by the
// main window's Analyze; keeps its calendar date and curve choice between
// openings.

#include "calendar/DayNumbering.h"
#include "chart/ChartState.h"
#include "chart/QtChartSurface.h"
#include "controls/CalendarSteps.h"
#include "controls/RepeatTimer.h"
#include "ui/widgets/NoCancelDialog.h"

#include <QDate>
#include <QDialog>
#include <array>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPrinter;
class QStatusBar;

namespace cyclo {

class BevelPanel;
class ChartView;
class Clock;
class GlyphButton;
class MonthCalendar;
class PersonRegister;
class ShadowLabel;

class TBioForm : public NoCancelDialog
{
    Q_OBJECT

public:
    // The chart follows the calendar's displayed month through Timer1, a
    // 100 ms timer; tests hand in one they step by hand.
    TBioForm(const PersonRegister& persons, const Clock& clock, QWidget* parent = nullptr,
             std::unique_ptr<RepeatTimer> timer = nullptr);
    ~TBioForm() override;

    // Shows the person in `slot` (born `birth`, shown by `line`) for the
    // month and day of `view`: sets the three texts and the day's line in
    // the status bar; does not draw.
    void SetChartPerson(int slot, const TYmd& birth, const TYmd& view, const QString& line);

    // Shows the person in table slot `slot` on the calendar's date, read
    // from the register, and redraws the chart: the opening from the main
    // window and every refresh. A slot outside the table shows nothing.
    void ShowPerson(int slot);

    // The date selected in MonthCalendar1: today at first, then the user's
    // last choice.
    [[nodiscard]] QDate CalendarDate() const;

    [[nodiscard]] const ChartState& Chart() const { return chart_; }
    [[nodiscard]] int ChartSlot() const { return chartSlot_; }

    // Reads the calendar's date and the person in ChartSlot again, shows
    // them and redraws the chart.
    void DateEdit3Change();
    void MonthCalendar1Click();
    void MonthCalendar1GetMonthInfo();
    void Timer1Timer();
    // The click of every legend box: reads the four boxes into the chart's
    // selection and redraws.
    void CheckBox1Click();
    void BackBitBtnClick();
    void PrintBtnClick();

    static constexpr int kTimer1IntervalMs = 100;

signals:
    // After every refresh (DateEdit3Change): a click in the calendar or the
    // timer following a change of the displayed month.
    void refreshed();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createToolBand();
    void createSideColumn();
    void createLegend();
    void createChartColumn();
    void createStatusBar();
    void connectEvents();
    void FormCreate();
    void layoutAreas();

    void showDayTexts();
    void redrawChart();
    void PaintBox1Paint(QPainter& painter, QSize size);
    void PaintBox1StepDay(CalendarStep step);

    const PersonRegister& persons_;
    const Clock& clock_;
    ChartState chart_;
    int chartSlot_ = 0;
    QtChartSurface bitmap_;
    std::unique_ptr<RepeatTimer> Timer1;
    std::unique_ptr<QPrinter> printer_;

    BevelPanel* toolBand_ = nullptr;
    GlyphButton* BackBitBtn = nullptr;
    GlyphButton* PrintBtn = nullptr;

    BevelPanel* sideColumn_ = nullptr;
    BevelPanel* calendarFrame_ = nullptr;
    MonthCalendar* MonthCalendar1 = nullptr;
    ShadowLabel* LiveDays = nullptr;
    QGroupBox* legend_ = nullptr;
    // CheckBox1, CheckBox2, ...: one per cycle, in the order of kCycles.
    std::array<QCheckBox*, kCycles.size()> checkBoxes_{};

    BevelPanel* chartColumn_ = nullptr;
    ShadowLabel* NameLabel = nullptr;
    ShadowLabel* DateLabel = nullptr;
    ChartView* PaintBox1 = nullptr;

    QStatusBar* statusBar_ = nullptr;
    QLabel* dayLine_ = nullptr;
};

} // namespace cyclo
