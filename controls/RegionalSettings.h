#pragma once
// The user's regional date settings as the date entry field and its drop-down
// calendar read them: the rule inputs, month and day names, taken from
// QLocale, and a notice when they change. One object is created in main() and
// handed by reference; tests pin it with setLocale() or setDateSettings().

#include "calendar/DateTextRules.h"

#include <QDate>
#include <QLocale>
#include <QObject>
#include <QString>
#include <QStringList>

class QEvent;

namespace cyclo {

class RegionalSettings : public QObject
{
    Q_OBJECT

public:
    // Reads the application's locale (QLocale(): the system's unless a default
    // was set). Whether dyDefault means four digits is found here, once.
    // Create it after the application object, whose notices it watches.
    explicit RegionalSettings(QObject* parent = nullptr);

    // The inputs of the date text rules.
    [[nodiscard]] const RegionalDateSettings& dateSettings() const { return date_; }
    [[nodiscard]] char16_t dateSeparator() const { return date_.dateSeparator; }

    // Full month name for month 1..12; empty for any other.
    [[nodiscard]] QString longMonthName(int month) const;
    // Abbreviated day name, 0 = Sunday .. 6 = Saturday (as TDayOfWeekName);
    // empty for any other.
    [[nodiscard]] QString shortDayName(int dayOfWeek) const;
    // A date written out in full, as the locale writes it ("Thursday, 18
    // January 2001"): what assistive technology reads.
    [[nodiscard]] QString longDateText(QDate date) const;

    // While on (the default), a QEvent::LocaleChange sent to the application
    // reads QLocale() again.
    [[nodiscard]] bool followsChanges() const { return followsChanges_; }
    void setFollowsChanges(bool follow);

    // Reads everything from `locale` now; the dyDefault finding stays.
    void setLocale(const QLocale& locale);
    // Replaces the rule inputs as they are (the names stay).
    void setDateSettings(const RegionalDateSettings& settings);

    // The rule inputs of a locale: order letters from its short date format,
    // separator, short time format, AM and PM texts, Far-East flag.
    [[nodiscard]] static RegionalDateSettings dateSettingsOf(const QLocale& locale,
                                                             bool fourDigitYearByDefault);
    // The first character of a short date format that is not a format letter,
    // a quoted text, white space, an invisible mark or ";" (which a Qt input mask
    // cannot hold); "/" if there is none.
    [[nodiscard]] static char16_t dateSeparatorOf(const QString& shortDateFormat);

Q_SIGNALS:
    // Emitted after the settings changed (not when a reread found them equal).
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether anything differed from what was held.
    bool readLocale(const QLocale& locale);

    RegionalDateSettings date_;
    QStringList monthNames_;
    QStringList dayNames_;
    QLocale locale_;
    bool followsChanges_ = true;
};

} // namespace cyclo
