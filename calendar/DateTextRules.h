#pragma once
// The rules by which the date entry field derives its format and edit mask
// from the regional date settings, fits a text to that mask, writes a date
// and reads a text back as a date. Pure functions of their inputs: nothing
// here reads the clock or the locale. Texts are UTF-16, one element per field
// position, as the edit control holds them.

#include "calendar/DayNumbering.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cyclo {

// Two-digit years are placed in the 100 years that begin this many years
// before the current year.
inline constexpr int YearWindowShift = 60;

// The date value that stands for no date at all (day 0 is 30 December 1899).
inline constexpr double NoDate = 0.0;

inline constexpr int kMinYear = 1;
inline constexpr int kMaxYear = 9999;

// A read date part that had only blanks in its positions.
inline constexpr int kBlankDatePart = -1;

enum class DateOrder : std::uint8_t
{
    DayMonthYear,
    MonthDayYear,
    YearMonthDay
};

// Width of the year in the date field.
enum class TYearDigits : std::uint8_t
{
    dyDefault,
    dyFour,
    dyTwo
};

// The regional settings the rules read. Of the short date format only the
// order letter, a leading "g" and the presence of "YYYY" or "ddd" matter.
struct RegionalDateSettings
{
    std::u16string shortDateFormat = u"dd/MM/yyyy";
    char16_t dateSeparator = u'/';
    std::u16string shortTimeFormat = u"HH:mm";
    std::u16string timeAMString = u"AM";
    std::u16string timePMString = u"PM";
    // Chinese, Japanese or Korean.
    bool farEast = false;
    // What dyDefault means: whether the short date format contained "YYYY"
    // when the program started. It is not found again when settings change.
    bool fourDigitYearByDefault = true;

    friend bool operator==(const RegionalDateSettings&, const RegionalDateSettings&) = default;
};

// --- Dates ------------------------------------------------------------------

// Year 1..9999, month 1..12, day within the month (Gregorian).
[[nodiscard]] bool IsValidDate(int year, int month, int day) noexcept;

// The date, or nothing if the three numbers are not a valid date.
[[nodiscard]] std::optional<TYmd> MakeDate(int year, int month, int day) noexcept;

// Whole days since 30 December 1899 (day 0, the value of NoDate) for a valid
// date; nothing for an invalid one.
[[nodiscard]] std::optional<std::int32_t> DateToDayCount(const TYmd& date) noexcept;

// The date of a day count with an optional time-of-day fraction (cut off
// towards zero); nothing if it is not finite or lies outside years 1..9999.
[[nodiscard]] std::optional<TYmd> DayCountToDate(double dayCount) noexcept;

// --- Order, format and mask ------------------------------------------------

// The first of the letters D, M, Y, E (any case) in the short date format
// decides: D day-month-year, M month-day-year, Y or E year-month-day. None of
// them: day-month-year.
[[nodiscard]] DateOrder DateOrderOf(std::u16string_view shortDateFormat) noexcept;

// Whether the short date format contains "YYYY" (any case).
[[nodiscard]] bool ContainsFourDigitYear(std::u16string_view shortDateFormat) noexcept;

// dyFour: true, dyTwo: false, dyDefault: `fourDigitYearByDefault`.
[[nodiscard]] bool UsesFourDigitYear(TYearDigits digits, bool fourDigitYearByDefault) noexcept;

// The character shown in empty digit positions: below 32 counts as a blank.
[[nodiscard]] char16_t EffectiveBlanksChar(char16_t blanksChar) noexcept;

// "DD/MM/YYYY", "MM/DD/YY", "YYYY/MM/DD", ...; "/" stands for the regional
// separator.
[[nodiscard]] std::u16string DateFieldFormat(DateOrder order, bool fourDigitYear);

// The edit mask in the classic notation, e.g. "!99/99/9999;1; ": "9" a digit
// position that may stay empty, "/" the regional separator, "!" leading
// blanks, ";1" the text is reported with every position, and the last
// character (EffectiveBlanksChar of `blanksChar`) fills empty positions.
[[nodiscard]] std::u16string DateEditMask(DateOrder order, bool fourDigitYear, char16_t blanksChar);

// The same mask in QLineEdit::setInputMask notation with the separator
// written in: "!99/99/9999;1;_" with "." becomes "00.00.0000;_". A separator
// that is a Qt mask character is escaped with a backslash.
[[nodiscard]] std::u16string QtInputMaskOf(std::u16string_view editMask, char16_t separator);

// Fits a text assigned to the field to the mask, part by part: the text is
// split at `separator`; each part fills its run of digit positions,
// right-aligned with leading blanks when shorter, keeping only its last
// characters when longer; a missing separator is supplied. Characters other
// than digits in digit positions become blanks, since the field accepts
// nothing else there. The result has every position and separator in place,
// empty positions as blanks (" 5.03.1970", "  .  .    "): the field's text.
[[nodiscard]] std::u16string FitTextToMask(std::u16string_view text, std::u16string_view editMask,
                                           char16_t separator);

// The field's text as the edit control shows it (blanks in digit positions
// replaced by the mask's blanks character) and back. Anything but a digit in
// a digit position counts as empty.
[[nodiscard]] std::u16string DisplayTextOf(std::u16string_view fieldText,
                                           std::u16string_view editMask);
[[nodiscard]] std::u16string FieldTextOf(std::u16string_view displayText,
                                         std::u16string_view editMask);

// Writes a date with a DateFieldFormat: DD and MM two digits with a leading
// zero, YYYY four digits, YY the last two, "/" the separator; D and M alone
// write no leading zero; other characters are copied.
[[nodiscard]] std::u16string FormatDateText(std::u16string_view format, char16_t separator,
                                            const TYmd& date);

// --- Reading a text as a date -----------------------------------------------

// Positional read of one part (`letter` 'M', 'D' or 'Y') of `text` laid out
// as `format`: the digits under the first run of that letter, blanks
// skipped. `defaultValue` when the text is longer than the format or the
// format lacks the letter; kBlankDatePart when the positions hold only
// blanks, or anything but a decimal number of digits.
[[nodiscard]] int ReadDatePart(std::u16string_view format, std::u16string_view text,
                               char16_t letter, int defaultValue) noexcept;

// Places a year below 100 in the window of 100 years that begins
// YearWindowShift years before `currentYear` (in 2026: 66..99 become
// 1966..1999, 0..65 become 2000..2065). Years of 100 or more stay, and so
// does a negative year such as the blank marker: a year the user did not
// type is never made up.
[[nodiscard]] int WidenTwoDigitYear(int year, int currentYear) noexcept;

// Free scan of the whole text: number, separator, number, and optionally a
// separator and a third number, taken in `order` (two numbers: day and month
// for day-month-year, otherwise month and day, in the current year).
[[nodiscard]] std::optional<TYmd> ScanDateText(std::u16string_view text, DateOrder order,
                                               const RegionalDateSettings& settings,
                                               int currentYear);

// Reads `text` with the field's format: the positional read of month, day
// and year, and if that gives no valid date, the free scan in the format's
// order. Empty digit positions in `text` must be blanks (see FieldTextOf).
[[nodiscard]] std::optional<TYmd> ParseDateText(std::u16string_view format,
                                                std::u16string_view text,
                                                const RegionalDateSettings& settings,
                                                int currentYear);

} // namespace cyclo
