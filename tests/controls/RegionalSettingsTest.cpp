#include "controls/RegionalSettings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace cyclo {
namespace {

QString q(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

// Every test starts and ends with the C locale as the application's default.
class RegionalSettingsTest : public testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale::c()); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    static void announceLocaleChange()
    {
        QEvent event(QEvent::LocaleChange);
        QCoreApplication::sendEvent(QCoreApplication::instance(), &event);
    }
};

TEST_F(RegionalSettingsTest, RealLocalesGiveOrderSeparatorAndFarEastFlag)
{
    struct Case
    {
        const char* locale;
        DateOrder order;
        char16_t separator;
        bool farEast;
        bool fourDigitYear;
    } const cases[] = {
        {"de_DE", DateOrder::DayMonthYear, u'.', false, false},
        {"en_US", DateOrder::MonthDayYear, u'/', false, false},
        {"en_GB", DateOrder::DayMonthYear, u'/', false, true},
        {"sv_SE", DateOrder::YearMonthDay, u'-', false, true},
        {"hu_HU", DateOrder::YearMonthDay, u'.', false, true},
        {"ja_JP", DateOrder::YearMonthDay, u'/', true, true},
        {"zh_CN", DateOrder::YearMonthDay, u'/', true, true},
        {"ko_KR", DateOrder::YearMonthDay, u'.', true, false},
        {"ar_EG", DateOrder::DayMonthYear, u'/', false, true}, // direction marks skipped
        {"bg_BG", DateOrder::DayMonthYear, u'.', false, false},
        {"C", DateOrder::DayMonthYear, u'/', false, true}, // "d MMM yyyy": no separator
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale);
        const QLocale locale(QString::fromLatin1(c.locale));
        const RegionalDateSettings s = RegionalSettings::dateSettingsOf(locale, true);
        EXPECT_EQ(s.shortDateFormat, locale.dateFormat(QLocale::ShortFormat).toStdU16String());
        EXPECT_EQ(DateOrderOf(s.shortDateFormat), c.order);
        EXPECT_EQ(s.dateSeparator, c.separator);
        EXPECT_EQ(s.farEast, c.farEast);
        EXPECT_EQ(ContainsFourDigitYear(s.shortDateFormat), c.fourDigitYear);
        EXPECT_EQ(s.shortTimeFormat, locale.timeFormat(QLocale::ShortFormat).toStdU16String());
        EXPECT_EQ(s.timeAMString, locale.amText().toStdU16String());
        EXPECT_EQ(s.timePMString, locale.pmText().toStdU16String());
    }
}

TEST_F(RegionalSettingsTest, SeparatorIsTheFirstCharacterThatIsNoFormatLetter)
{
    struct Case
    {
        const char* format;
        char16_t separator;
    } const cases[] = {
        {"dd.MM.yy", u'.'}, {"yyyy-MM-dd", u'-'},  {"'Tag' d/M", u'/'}, {"ddMMyyyy", u'/'},
        {"dd;MM;yy", u'/'}, {"gg yy/MM/dd", u'/'}, {"", u'/'},          {"d\u200F-M", u'-'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(RegionalSettings::dateSeparatorOf(QString::fromUtf8(c.format)), c.separator);
    }
}

TEST_F(RegionalSettingsTest, ReadsTheApplicationLocaleWithItsNames)
{
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    const RegionalSettings settings;
    EXPECT_EQ(settings.dateSettings().shortDateFormat, u"dd.MM.yy");
    EXPECT_EQ(settings.dateSeparator(), u'.');
    EXPECT_FALSE(settings.dateSettings().fourDigitYearByDefault);
    EXPECT_EQ(settings.longMonthName(1), QStringLiteral("Januar"));
    EXPECT_EQ(settings.longMonthName(12), QStringLiteral("Dezember"));
    EXPECT_EQ(settings.shortDayName(0), QLocale().dayName(7, QLocale::ShortFormat));
    EXPECT_EQ(settings.shortDayName(1), QLocale().dayName(1, QLocale::ShortFormat));
    for (int outside : {-1, 0, 13})
        EXPECT_TRUE(settings.longMonthName(outside).isEmpty()) << outside;
    for (int outside : {-1, 7})
        EXPECT_TRUE(settings.shortDayName(outside).isEmpty()) << outside;

    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    const RegionalSettings english;
    EXPECT_EQ(english.longMonthName(9), QStringLiteral("September"));
    EXPECT_EQ(english.shortDayName(0), QStringLiteral("Sun"));
    EXPECT_EQ(english.shortDayName(6), QStringLiteral("Sat"));
}

TEST_F(RegionalSettingsTest, LocaleChangeRereadsAndTellsListenersOnce)
{
    QLocale::setDefault(QLocale(QStringLiteral("en_GB")));
    RegionalSettings settings;
    QSignalSpy spy(&settings, &RegionalSettings::changed);
    ASSERT_TRUE(settings.dateSettings().fourDigitYearByDefault);

    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(settings.dateSettings().shortDateFormat, u"dd/MM/yyyy"); // not yet announced
    announceLocaleChange();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(DateOrderOf(settings.dateSettings().shortDateFormat), DateOrder::MonthDayYear);
    EXPECT_EQ(settings.dateSettings().timeAMString, u"AM");
    // The dyDefault finding is made once, at the start.
    EXPECT_TRUE(settings.dateSettings().fourDigitYearByDefault);

    announceLocaleChange(); // nothing differs
    EXPECT_EQ(spy.count(), 1);

    // The notice counts only when it is sent to the application.
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    QObject other;
    QEvent event(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&other, &event);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(settings.dateSeparator(), u'/');
}

TEST_F(RegionalSettingsTest, IgnoresChangesWhileNotFollowingThem)
{
    RegionalSettings settings;
    QSignalSpy spy(&settings, &RegionalSettings::changed);
    settings.setFollowsChanges(false);
    QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
    announceLocaleChange();
    EXPECT_EQ(spy.count(), 0);
    EXPECT_EQ(settings.dateSeparator(), u'/');

    settings.setFollowsChanges(true);
    announceLocaleChange();
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(settings.dateSeparator(), u'.');
}

TEST_F(RegionalSettingsTest, PinnedSettingsAreTakenAsGiven)
{
    RegionalSettings settings;
    QSignalSpy spy(&settings, &RegionalSettings::changed);
    RegionalDateSettings pinned;
    pinned.shortDateFormat = u"TT.OO.JJJJ";
    pinned.dateSeparator = u'.';
    pinned.fourDigitYearByDefault = false;
    settings.setDateSettings(pinned);
    settings.setDateSettings(pinned);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(settings.dateSettings(), pinned);

    settings.setLocale(QLocale(QStringLiteral("sv_SE")));
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(settings.dateSeparator(), u'-');
    EXPECT_FALSE(settings.dateSettings().fourDigitYearByDefault);
}

// The mask translated for QLineEdit behaves as the field expects: typed
// digits fill the positions, assigned texts keep their parts, and the text
// with blanks in empty positions reads back as the date.
TEST_F(RegionalSettingsTest, QtMaskHoldsFittedTextsAndTypedDigits)
{
    struct Case
    {
        const char* shortDateFormat;
        char16_t separator;
        char16_t blanksChar;
        const char* typed;
        std::u16string_view typedText;
        std::u16string_view emptyText;
        TYmd typedDate;
        std::u16string_view assigned;
        std::u16string_view assignedText;
    } const cases[] = {
        {"dd.MM.yyyy",
         u'.',
         u' ',
         "05031970",
         u"05.03.1970",
         u"  .  .    ",
         {1970, 3, 5},
         u"5.3.70",
         u" 5. 3.  70"},
        {"M/d/yyyy",
         u'/',
         u'_',
         "03051970",
         u"03/05/1970",
         u"  /  /    ",
         {1970, 3, 5},
         u"3/5/1970",
         u" 3/ 5/1970"},
        {"yyyy-MM-dd",
         u'-',
         u'*',
         "19700305",
         u"1970-03-05",
         u"    -  -  ",
         {1970, 3, 5},
         u"18.01.2001",
         u"2001-  -  "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shortDateFormat);
        RegionalDateSettings s;
        s.shortDateFormat = QString::fromLatin1(c.shortDateFormat).toStdU16String();
        s.dateSeparator = c.separator;
        const DateOrder order = DateOrderOf(s.shortDateFormat);
        const std::u16string format = DateFieldFormat(order, true);
        const std::u16string mask = DateEditMask(order, true, c.blanksChar);

        QLineEdit edit;
        edit.setInputMask(q(QtInputMaskOf(mask, c.separator)));
        EXPECT_EQ(FieldTextOf(edit.displayText().toStdU16String(), mask), c.emptyText);
        EXPECT_FALSE(ParseDateText(format, c.emptyText, s, 2026));

        edit.setCursorPosition(0);
        QTest::keyClicks(&edit, QString::fromLatin1(c.typed));
        const std::u16string typed = FieldTextOf(edit.displayText().toStdU16String(), mask);
        EXPECT_EQ(typed, c.typedText);
        EXPECT_EQ(ParseDateText(format, typed, s, 2026), c.typedDate);

        edit.setText(q(DisplayTextOf(FitTextToMask(c.assigned, mask, c.separator), mask)));
        EXPECT_EQ(FieldTextOf(edit.displayText().toStdU16String(), mask), c.assignedText);
    }
}

} // namespace
} // namespace cyclo
