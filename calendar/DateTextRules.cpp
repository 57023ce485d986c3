#include "calendar/DateTextRules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace cyclo {
namespace {

constexpr char16_t kBlank = u' ';
constexpr char16_t kFormatSeparator = u'/';
constexpr int kMonthsPerYear = 12;
// A positional read looks at no more characters than this.
constexpr int kMaxCollectedChars = 20;
// The free scan stops adding digits once a number reaches this value, so a
// number has at most four significant digits.
constexpr int kScanNumberLimit = 1000;

constexpr bool isDigit(char16_t c) noexcept
{
    return c >= u'0' && c <= u'9';
}

constexpr int digitValue(char16_t c) noexcept
{
    return static_cast<int>(c - u'0');
}

constexpr char16_t asciiUpper(char16_t c) noexcept
{
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

bool equalsIgnoringCase(std::u16string_view a, std::u16string_view b) noexcept
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto x, auto y) {
               return asciiUpper(x) == asciiUpper(y);
           });
}

bool containsIgnoringCase(std::u16string_view haystack, std::u16string_view needle) noexcept
{
    if (needle.size() > haystack.size())
        return false;
    for (std::size_t i = 0; i + needle.size() <= haystack.size(); ++i) {
        if (equalsIgnoringCase(haystack.substr(i, needle.size()), needle))
            return true;
    }
    return false;
}

// Writes `value` with at least `minDigits` digits, leading zeros filling up.
void appendNumber(std::u16string& out, int value, int minDigits)
{
    std::array<char16_t, 12> digits{};
    std::size_t count = 0;
    auto rest = static_cast<unsigned>(std::max(value, 0));
    do {
        digits[count++] = static_cast<char16_t>(u'0' + rest % 10U);
        rest /= 10U;
    } while (rest != 0U);
    for (auto pad = static_cast<std::size_t>(std::max(minDigits, 0)); pad > count; --pad)
        out += u'0';
    while (count > 0)
        out += digits[--count];
}

// One position of an edit mask: a digit position, or a literal shown as is.
struct MaskPosition
{
    bool digit = false;
    char16_t literal = 0;
};

struct ParsedMask
{
    std::vector<MaskPosition> positions;
    char16_t blank = kBlank;
};

// Reads the classic notation: the mask up to the first ";", then the
// "save literals" flag, then after the next ";" the blanks character.
ParsedMask parseMask(std::u16string_view editMask, char16_t separator)
{
    ParsedMask mask;
    const std::size_t end = std::min(editMask.find(u';'), editMask.size());
    for (std::size_t i = 0; i < end; ++i) {
        const char16_t c = editMask[i];
        switch (c) {
        case u'!':
        case u'>':
        case u'<':
            break; // options, not positions
        case u'9':
        case u'0':
            mask.positions.push_back({true, 0});
            break;
        case kFormatSeparator:
            mask.positions.push_back({false, separator});
            break;
        case u'\\':
            if (i + 1 < end)
                mask.positions.push_back({false, editMask[++i]});
            break;
        default:
            mask.positions.push_back({false, c});
            break;
        }
    }
    if (end < editMask.size()) {
        const std::size_t next = editMask.find(u';', end + 1);
        if (next != std::u16string_view::npos && next + 1 < editMask.size())
            mask.blank = EffectiveBlanksChar(editMask[next + 1]);
    }
    return mask;
}

// Replaces every character in a digit position that is not a digit.
std::u16string fillEmptyPositions(std::u16string_view text, std::u16string_view editMask,
                                  char16_t empty)
{
    const ParsedMask mask = parseMask(editMask, kFormatSeparator);
    std::u16string out(text);
    const std::size_t n = std::min(out.size(), mask.positions.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (mask.positions[i].digit && !isDigit(out[i]))
            out[i] = empty;
    }
    return out;
}

// The DayNumber of day 0 of the date value, 30 December 1899.
std::int32_t epochDayNumber() noexcept
{
    return DayNumber({1899, 12, 30});
}

// The free scan's cursor over the text.
class TextScanner
{
public:
    explicit TextScanner(std::u16string_view text) : text_(text) {}

    [[nodiscard]] bool atEnd() const { return pos_ >= text_.size(); }
    [[nodiscard]] char16_t current() const { return text_[pos_]; }

    void skipBlanks()
    {
        while (!atEnd() && current() == kBlank)
            ++pos_;
    }

    void skipToDigit()
    {
        while (!atEnd() && !isDigit(current()))
            ++pos_;
    }

    bool number(int& value)
    {
        skipBlanks();
        const std::size_t start = pos_;
        value = 0;
        while (!atEnd() && isDigit(current()) && value < kScanNumberLimit) {
            value = value * 10 + digitValue(current());
            ++pos_;
        }
        return pos_ > start;
    }

    bool separator(char16_t separator)
    {
        skipBlanks();
        if (atEnd() || current() != separator)
            return false;
        ++pos_;
        return true;
    }

    [[nodiscard]] bool startsWith(std::u16string_view word) const
    {
        return !word.empty() && text_.size() - pos_ >= word.size() &&
               equalsIgnoringCase(text_.substr(pos_, word.size()), word);
    }

    // Skips the characters of one word and the blanks after it.
    void skipWord()
    {
        while (!atEnd() && current() != kBlank)
            ++pos_;
        skipBlanks();
    }

private:
    std::u16string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

// --- Dates ------------------------------------------------------------------

bool IsValidDate(int year, int month, int day) noexcept
{
    if (year < kMinYear || year > kMaxYear || month < 1 || month > kMonthsPerYear || day < 1)
        return false;
    return day <= DaysInMonth(year, static_cast<unsigned>(month));
}

std::optional<TYmd> MakeDate(int year, int month, int day) noexcept
{
    if (!IsValidDate(year, month, day))
        return std::nullopt;
    return TYmd{static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                static_cast<std::uint16_t>(day)};
}

std::optional<std::int32_t> DateToDayCount(const TYmd& date) noexcept
{
    if (!IsValidDate(date.Year, date.Month, date.Day))
        return std::nullopt;
    return DayNumber(date) - epochDayNumber();
}

std::optional<TYmd> DayCountToDate(double dayCount) noexcept
{
    if (!std::isfinite(dayCount))
        return std::nullopt;
    const double whole = std::trunc(dayCount);
    const std::int32_t first = DayNumber({kMinYear, 1, 1}) - epochDayNumber();
    const std::int32_t last = DayNumber({kMaxYear, 12, 31}) - epochDayNumber();
    if (whole < first || whole > last)
        return std::nullopt;
    const std::int32_t target = static_cast<std::int32_t>(whole) + epochDayNumber();

    // The last year that starts on or before the target day.
    int low = kMinYear;
    int high = kMaxYear;
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (DayNumber({static_cast<std::uint16_t>(mid), 1, 1}) <= target)
            low = mid;
        else
            high = mid - 1;
    }
    const auto year = static_cast<std::uint16_t>(low);
    std::int32_t dayOfYear = target - DayNumber({year, 1, 0});
    std::uint16_t month = 1;
    while (dayOfYear > DaysInMonth(year, month)) {
        dayOfYear -= DaysInMonth(year, month);
        ++month;
    }
    return TYmd{year, month, static_cast<std::uint16_t>(dayOfYear)};
}

// --- Order, format and mask ------------------------------------------------

DateOrder DateOrderOf(std::u16string_view shortDateFormat) noexcept
{
    for (const char16_t c : shortDateFormat) {
        switch (asciiUpper(c)) {
        case u'D':
            return DateOrder::DayMonthYear;
        case u'M':
            return DateOrder::MonthDayYear;
        case u'Y':
        case u'E':
            return DateOrder::YearMonthDay;
        default:
            break;
        }
    }
    return DateOrder::DayMonthYear;
}

bool ContainsFourDigitYear(std::u16string_view shortDateFormat) noexcept
{
    return containsIgnoringCase(shortDateFormat, u"YYYY");
}

bool UsesFourDigitYear(TYearDigits digits, bool fourDigitYearByDefault) noexcept
{
    switch (digits) {
    case TYearDigits::dyFour:
        return true;
    case TYearDigits::dyTwo:
        return false;
    case TYearDigits::dyDefault:
        break;
    }
    return fourDigitYearByDefault;
}

char16_t EffectiveBlanksChar(char16_t blanksChar) noexcept
{
    return blanksChar < kBlank ? kBlank : blanksChar;
}

std::u16string DateFieldFormat(DateOrder order, bool fourDigitYear)
{
    switch (order) {
    case DateOrder::MonthDayYear:
        return fourDigitYear ? u"MM/DD/YYYY" : u"MM/DD/YY";
    case DateOrder::YearMonthDay:
        return fourDigitYear ? u"YYYY/MM/DD" : u"YY/MM/DD";
    case DateOrder::DayMonthYear:
        break;
    }
    return fourDigitYear ? u"DD/MM/YYYY" : u"DD/MM/YY";
}

std::u16string DateEditMask(DateOrder order, bool fourDigitYear, char16_t blanksChar)
{
    std::u16string mask;
    if (!fourDigitYear)
        mask = u"!99/99/99;1;";
    else if (order == DateOrder::YearMonthDay)
        mask = u"!9999/99/99;1;";
    else
        mask = u"!99/99/9999;1;";
    mask += EffectiveBlanksChar(blanksChar);
    return mask;
}

std::u16string QtInputMaskOf(std::u16string_view editMask, char16_t separator)
{
    // Characters with a meaning in a Qt input mask; as literals they need "\".
    constexpr std::u16string_view kQtMaskChars = u"AaNnXx90Dd#HhBb><![]{}\\";
    const ParsedMask mask = parseMask(editMask, separator);
    std::u16string out;
    for (const MaskPosition& p : mask.positions) {
        if (p.digit) {
            out += u'0'; // Qt's digit that may stay empty
            continue;
        }
        if (kQtMaskChars.find(p.literal) != std::u16string_view::npos)
            out += u'\\';
        out += p.literal;
    }
    out += u';';
    out += mask.blank;
    return out;
}

std::u16string FitTextToMask(std::u16string_view text, std::u16string_view editMask,
                             char16_t separator)
{
    const ParsedMask mask = parseMask(editMask, separator);
    std::u16string out;
    out.reserve(mask.positions.size());
    std::size_t rest = 0; // start of the next part of `text`
    bool partsLeft = true;
    for (std::size_t i = 0; i < mask.positions.size();) {
        if (!mask.positions[i].digit) {
            out += mask.positions[i].literal;
            ++i;
            continue;
        }
        std::size_t run = 0;
        while (i + run < mask.positions.size() && mask.positions[i + run].digit)
            ++run;

        std::u16string_view part;
        if (partsLeft) {
            const std::size_t end = std::min(text.find(separator, rest), text.size());
            part = text.substr(rest, end - rest);
            partsLeft = end < text.size();
            rest = end + 1;
        }
        if (part.size() > run)
            part = part.substr(part.size() - run);
        out.append(run - part.size(), kBlank);
        for (const char16_t c : part)
            out += isDigit(c) ? c : kBlank;
        i += run;
    }
    return out;
}

std::u16string DisplayTextOf(std::u16string_view fieldText, std::u16string_view editMask)
{
    return fillEmptyPositions(fieldText, editMask, parseMask(editMask, kFormatSeparator).blank);
}

std::u16string FieldTextOf(std::u16string_view displayText, std::u16string_view editMask)
{
    return fillEmptyPositions(displayText, editMask, kBlank);
}

std::u16string FormatDateText(std::u16string_view format, char16_t separator, const TYmd& date)
{
    std::u16string out;
    for (std::size_t i = 0; i < format.size();) {
        const char16_t letter = asciiUpper(format[i]);
        if (letter != u'D' && letter != u'M' && letter != u'Y') {
            out += format[i] == kFormatSeparator ? separator : format[i];
            ++i;
            continue;
        }
        std::size_t run = 1;
        while (i + run < format.size() && asciiUpper(format[i + run]) == letter)
            ++run;
        i += run;
        switch (letter) {
        case u'D':
            appendNumber(out, date.Day, run >= 2 ? 2 : 1);
            break;
        case u'M':
            appendNumber(out, date.Month, run >= 2 ? 2 : 1);
            break;
        default:
            if (run >= 3)
                appendNumber(out, date.Year, 4);
            else
                appendNumber(out, date.Year % 100, 2);
            break;
        }
    }
    return out;
}

// --- Reading a text as a date -----------------------------------------------

int ReadDatePart(std::u16string_view format, std::u16string_view text, char16_t letter,
                 int defaultValue) noexcept
{
    if (text.size() > format.size())
        return defaultValue;
    const char16_t wanted = asciiUpper(letter);
    std::size_t pos = 0;
    while (pos < format.size() && asciiUpper(format[pos]) != wanted)
        ++pos;
    if (pos == format.size())
        return defaultValue;

    int collected = 0;
    bool isNumber = true;
    std::int64_t value = 0;
    for (; pos < text.size() && asciiUpper(format[pos]) == wanted; ++pos) {
        const char16_t c = text[pos];
        if (c == kBlank)
            continue;
        if (collected == kMaxCollectedChars)
            break;
        ++collected;
        if (!isDigit(c)) {
            isNumber = false;
            continue;
        }
        value = value * 10 + digitValue(c);
        if (value > std::numeric_limits<int>::max()) {
            isNumber = false;
            value = 0;
        }
    }
    if (collected == 0 || !isNumber)
        return kBlankDatePart;
    return static_cast<int>(value);
}

int WidenTwoDigitYear(int year, int currentYear) noexcept
{
    if (year < 0 || year >= 100)
        return year;
    const std::int64_t windowStart = std::int64_t{currentYear} - YearWindowShift;
    std::int64_t widened = year + windowStart / 100 * 100;
    if (widened < windowStart)
        widened += 100;
    return static_cast<int>(std::clamp<std::int64_t>(widened, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::optional<TYmd> ScanDateText(std::u16string_view text, DateOrder order,
                                 const RegionalDateSettings& settings, int currentYear)
{
    TextScanner scan(text);
    const std::u16string_view dateFormat = settings.shortDateFormat;
    if (dateFormat.starts_with(u'g'))
        scan.skipToDigit(); // an era name before the date

    int first = 0;
    int second = 0;
    if (!scan.number(first) || !scan.separator(settings.dateSeparator) || !scan.number(second))
        return std::nullopt;

    int year = currentYear;
    int month = 0;
    int day = 0;
    if (scan.separator(settings.dateSeparator)) {
        int third = 0;
        if (!scan.number(third))
            return std::nullopt;
        switch (order) {
        case DateOrder::DayMonthYear:
            day = first;
            month = second;
            year = third;
            break;
        case DateOrder::MonthDayYear:
            month = first;
            day = second;
            year = third;
            break;
        case DateOrder::YearMonthDay:
            year = first;
            month = second;
            day = third;
            break;
        }
        year = WidenTwoDigitYear(year, currentYear);
    } else {
        // Day and month of the current year.
        const bool dayFirst = order == DateOrder::DayMonthYear;
        day = dayFirst ? first : second;
        month = dayFirst ? second : first;
    }

    scan.separator(settings.dateSeparator);
    scan.skipBlanks();
    if (settings.farEast && dateFormat.find(u"ddd") != std::u16string_view::npos) {
        // A day name after the date.
        const std::u16string_view timeFormat = settings.shortTimeFormat;
        if (!timeFormat.empty() && isDigit(timeFormat.front())) {
            scan.skipToDigit();
        } else {
            while (!scan.atEnd() && !scan.startsWith(settings.timeAMString) &&
                   !scan.startsWith(settings.timePMString))
                scan.skipWord();
        }
    }
    if (!scan.atEnd())
        return std::nullopt;
    return MakeDate(year, month, day);
}

std::optional<TYmd> ParseDateText(std::u16string_view format, std::u16string_view text,
                                  const RegionalDateSettings& settings, int currentYear)
{
    const int month = ReadDatePart(format, text, u'M', 0);
    const int day = ReadDatePart(format, text, u'D', 1);
    const int year = WidenTwoDigitYear(ReadDatePart(format, text, u'Y', currentYear), currentYear);
    if (auto date = MakeDate(year, month, day))
        return date;
    return ScanDateText(text, DateOrderOf(format), settings, currentYear);
}

} // namespace cyclo
