#pragma once
// The date logic of the date entry field: the regional order and separator
// with fixed digit positions, reading the text as a date with its fallbacks,
// the date keys, and the drop-down month calendar.

#include "calendar/DateTextRules.h"
#include "controls/ComboEdit.h"
#include "controls/DayOfWeek.h"

#include <QColor>
#include <QDate>
#include <QStringList>
#include <functional>

namespace cyclo {

class Clock;
class RegionalSettings;
class TPopupCalendar;

class TCustomDateEdit : public TCustomComboEdit
{
    Q_OBJECT
    Q_PROPERTY(QDate date READ date WRITE setDate NOTIFY dateChanged USER true)
    Q_PROPERTY(QString Text READ fieldText WRITE setFieldText)

public:
    // What the field's text holds.
    enum class TextState
    {
        Blank,     // only blanks, the blanks character and separators
        ValidDate, // reads as a date
        NotADate   // holds something that does not read as a date
    };

    // Called before a date picked in the calendar is written; may change the
    // date or clear `accept`.
    using AcceptDateHandler = std::function<void(QDate& date, bool& accept)>;

    // The "today" of `clock` and the regional date settings are read, never
    // owned; both must outlive the field.
    TCustomDateEdit(const Clock& clock, const RegionalSettings& settings,
                    QWidget* parent = nullptr);

    // The date the text stands for, without a time part. A text that does
    // not read as a date gives today with DefaultToday on, else a null date
    // (no date). Never fails.
    [[nodiscard]] QDate date() const;
    // Writes a date; an invalid or null date writes today with DefaultToday
    // on, else clears the field. The modified flag tells whether the date read
    // afterwards differs from the one before.
    void setDate(QDate date);
    // Writes the date and selects the whole text (when DirectInput is on).
    void SetDateAndSelect(QDate date);

    // The field's Text: every position and both separators in place, empty
    // positions as blanks (never empty while a mask is set), where
    // QLineEdit::text() leaves the blanks out.
    [[nodiscard]] QString fieldText() const;
    // Fits the text to the field's positions part by part, then shows it;
    // QLineEdit::setText() fills the positions in order instead.
    void setFieldText(const QString& text);

    // The check for leaving the field and for a dialog's OK: whether the text
    // is blank, a date, or not a date (read without fallback).
    [[nodiscard]] TextState textState() const;
    // The error for a text that is not a date: "''31.02.2001'' is not a valid date".
    [[nodiscard]] QString invalidDateMessage() const;

    // Derives the format and mask from the regional settings, YearDigits and
    // BlanksChar and writes the date back under the new mask.
    virtual void RefreshFormatAndMask();
    // Format of the text, "/" standing for the regional separator: "DD/MM/YYYY".
    [[nodiscard]] QString dateFieldFormat() const { return QString::fromStdU16String(format_); }

    void setBlanksChar(QChar blanks);
    [[nodiscard]] QChar blanksChar() const { return blanksChar_; }
    void setDefaultToday(bool on);
    [[nodiscard]] bool defaultToday() const { return defaultToday_; }
    void setCheckOnExit(bool on) { checkOnExit_ = on; }
    [[nodiscard]] bool checkOnExit() const { return checkOnExit_; }
    void setYearDigits(TYearDigits digits);
    [[nodiscard]] TYearDigits yearDigits() const { return yearDigits_; }
    void setStartOfWeek(TDayOfWeekName day);
    [[nodiscard]] TDayOfWeekName startOfWeek() const { return startOfWeek_; }
    void setWeekends(TDaysOfWeek days);
    [[nodiscard]] TDaysOfWeek weekends() const { return weekends_; }
    void setWeekendColor(const QColor& color);
    [[nodiscard]] QColor weekendColor() const { return weekendColor_; }
    void setPopupColor(const QColor& color);
    [[nodiscard]] QColor popupColor() const { return popupColor_; }
    // At most four lines; further lines are dropped.
    void setCalendarHints(const QStringList& hints);
    [[nodiscard]] QStringList calendarHints() const { return calendarHints_; }
    void setOnAcceptDate(AcceptDateHandler handler) { onAcceptDate_ = std::move(handler); }

    [[nodiscard]] TPopupCalendar* popupCalendar() const { return calendar_; }

signals:
    // The date the text stands for changed (emitted once per real change).
    void dateChanged(QDate date);

protected:
    [[nodiscard]] QImage DefaultButtonGlyph() const override;
    bool CanAcceptDropDownValue(QVariant& value) override;
    void AcceptDropDownValue(const QVariant& value) override;
    void SetDropDownValue(const QString& text) override;

    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    [[nodiscard]] std::optional<QDate> parseText(const QString& fieldText) const;
    void passSettingsToCalendar();
    void checkOnLeaving();
    void showInvalidDate();
    // Emits dateChanged when date() differs from the last one reported.
    void reportDate();

    const Clock& clock_;
    const RegionalSettings& settings_;
    TPopupCalendar* calendar_ = nullptr;
    QChar blanksChar_{u' '};
    std::u16string format_;
    std::u16string editMask_;
    QString qtMask_; // editMask_ in QLineEdit's notation, as set
    bool defaultToday_ = false;
    bool checkOnExit_ = false;
    TYearDigits yearDigits_ = TYearDigits::dyDefault;
    TDayOfWeekName startOfWeek_ = TDayOfWeekName::Mon;
    TDaysOfWeek weekends_{TDayOfWeekName::Sun};
    QColor weekendColor_{255, 0, 0};
    QColor popupColor_;
    QStringList calendarHints_;
    AcceptDateHandler onAcceptDate_;
    bool windowCreated_ = false; // the first show has refreshed and started listening
    bool reportingInvalid_ = false;
    QDate reportedDate_;
    bool holdDateReport_ = false; // while the mask is replaced
};

} // namespace cyclo
