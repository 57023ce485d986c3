#pragma once
// The drop-down calendar of the date field: a title bar with the month and
// year between four repeating navigation buttons, over a month grid. Keys
// reach it through the field, which keeps the focus.

#include "controls/DayOfWeek.h"
#include "controls/PopupWindow.h"

#include <QStringList>
#include <array>

class QLabel;

namespace cyclo {

class Clock;
class RegionalSettings;
class TLocCalendar;
class TVoTimerSpeedButton;

class TPopupCalendar : public TPopupWindow
{
    Q_OBJECT

public:
    // Size at 96 dots per inch, and the least size at any resolution.
    static constexpr QSize kDefaultSize{187, 124};
    static constexpr QSize kMinimumSize{180, 120};
    static constexpr int kNavButtonSize = 14;
    static constexpr int kTitleBarHeight = 18;
    static constexpr int kCalendarHintCount = 4;

    // The navigation buttons, in the order of CalendarHints.
    enum NavButton
    {
        PrevYearButton,
        PrevMonthButton,
        NextMonthButton,
        NextYearButton
    };

    TPopupCalendar(const Clock& clock, const RegionalSettings& settings, QWidget* owner);

    // The calendar's date, as a QDate.
    [[nodiscard]] QVariant ReadValue() const override;
    // Nothing, a text that is blank once the separators are removed, a text
    // that is not a date, or a date outside years 1..9999 show today.
    void PresetValue(const QVariant& value) override;
    bool handleKey(QKeyEvent* event) override;

    // Passed on from the field.
    void setStartOfWeek(TDayOfWeekName day);
    void setWeekends(TDaysOfWeek days);
    void setWeekendColor(const QColor& color);
    void setPopupColor(const QColor& color);
    // Up to four lines; a non-empty line replaces the tooltip of the
    // navigation button of the same index (the text before a "|").
    void setCalendarHints(const QStringList& hints);

    // The window size at a screen resolution: the default size scaled by
    // dpi / 96, but never below the minimum.
    [[nodiscard]] static QSize sizeForDpi(qreal dpi);
    // Lays the window out for a screen resolution (done on construction for
    // the owner's screen).
    void scaleForDpi(qreal dpi);

    [[nodiscard]] TLocCalendar* calendar() const { return calendar_; }
    [[nodiscard]] TVoTimerSpeedButton* navigationButton(NavButton which) const
    {
        return buttons_[static_cast<std::size_t>(which)];
    }
    [[nodiscard]] QLabel* titleLabel() const { return title_; }
    [[nodiscard]] QWidget* titleBar() const { return titleBar_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createPanel();
    void createTitleBar();
    void createCalendar();
    void layoutChildren(qreal scale);
    void writeTitle();
    void applyHints();
    [[nodiscard]] QDate dateOfText(const QString& text) const;

    const Clock& clock_;
    const RegionalSettings& settings_;
    QFrame* panel_ = nullptr;
    QWidget* titleBar_ = nullptr;
    QLabel* title_ = nullptr;
    std::array<TVoTimerSpeedButton*, kCalendarHintCount> buttons_{};
    TLocCalendar* calendar_ = nullptr;
    QStringList hints_;
    qreal navPictureRatio_ = 0.0;
};

} // namespace cyclo
