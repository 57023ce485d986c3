#include "controls/RegionalSettings.h"

#include <QCoreApplication>
#include <QEvent>

namespace cyclo {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kDaysPerWeek = 7;
constexpr char16_t kDefaultSeparator = u'/';

bool isFarEast(QLocale::Language language)
{
    switch (language) {
    case QLocale::Chinese:
    case QLocale::Cantonese:
    case QLocale::Japanese:
    case QLocale::Korean:
        return true;
    default:
        return false;
    }
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

} // namespace

RegionalSettings::RegionalSettings(QObject* parent) : QObject(parent)
{
    const QLocale locale;
    date_.fourDigitYearByDefault =
        ContainsFourDigitYear(locale.dateFormat(QLocale::ShortFormat).toStdU16String());
    readLocale(locale);
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

QString RegionalSettings::longMonthName(int month) const
{
    return month >= 1 && month <= monthNames_.size() ? monthNames_.at(month - 1) : QString();
}

QString RegionalSettings::shortDayName(int dayOfWeek) const
{
    return dayOfWeek >= 0 && dayOfWeek < dayNames_.size() ? dayNames_.at(dayOfWeek) : QString();
}

QString RegionalSettings::longDateText(QDate date) const
{
    return locale_.toString(date, QLocale::LongFormat);
}

void RegionalSettings::setFollowsChanges(bool follow)
{
    followsChanges_ = follow;
}

void RegionalSettings::setLocale(const QLocale& locale)
{
    if (readLocale(locale))
        Q_EMIT changed();
}

void RegionalSettings::setDateSettings(const RegionalDateSettings& settings)
{
    if (settings == date_)
        return;
    date_ = settings;
    Q_EMIT changed();
}

RegionalDateSettings RegionalSettings::dateSettingsOf(const QLocale& locale,
                                                      bool fourDigitYearByDefault)
{
    const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
    RegionalDateSettings s;
    s.shortDateFormat = dateFormat.toStdU16String();
    s.dateSeparator = dateSeparatorOf(dateFormat);
    s.shortTimeFormat = locale.timeFormat(QLocale::ShortFormat).toStdU16String();
    s.timeAMString = locale.amText().toStdU16String();
    s.timePMString = locale.pmText().toStdU16String();
    s.farEast = isFarEast(locale.language());
    s.fourDigitYearByDefault = fourDigitYearByDefault;
    return s;
}

char16_t RegionalSettings::dateSeparatorOf(const QString& shortDateFormat)
{
    bool quoted = false;
    for (const QChar c : shortDateFormat) {
        if (c == u'\'') {
            quoted = !quoted;
            continue;
        }
        // A ";" cannot stand as a literal in the edit control's mask; direction
        // marks (as in Arabic formats) are not printable and cannot be typed.
        if (quoted || isAsciiLetter(c) || c.isSpace() || !c.isPrint() || c == u';')
            continue;
        return c.unicode();
    }
    return kDefaultSeparator;
}

bool RegionalSettings::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the application, so this sees every event: keep it cheap.
    if (event->type() == QEvent::LocaleChange && followsChanges_ &&
        watched == QCoreApplication::instance())
        setLocale(QLocale());
    return QObject::eventFilter(watched, event);
}

bool RegionalSettings::readLocale(const QLocale& locale)
{
    RegionalDateSettings date = dateSettingsOf(locale, date_.fourDigitYearByDefault);
    QStringList months;
    for (int month = 1; month <= kMonthsPerYear; ++month)
        months << locale.standaloneMonthName(month, QLocale::LongFormat);
    // Qt counts Monday as 1 and Sunday as 7; the list starts with Sunday.
    QStringList days;
    for (int day = 0; day < kDaysPerWeek; ++day)
        days << locale.dayName(day == 0 ? kDaysPerWeek : day, QLocale::ShortFormat);

    // The full date text follows the locale too, but only the values above
    // change what the controls show.
    locale_ = locale;
    if (date == date_ && months == monthNames_ && days == dayNames_)
        return false;
    date_ = std::move(date);
    monthNames_ = std::move(months);
    dayNames_ = std::move(days);
    return true;
}

} // namespace cyclo
