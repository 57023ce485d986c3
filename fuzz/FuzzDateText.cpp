// Arbitrary regional formats, separators, field formats and texts through the
// date text rules: no crash, no undefined behaviour, every date read is a
// valid date, and a date the field writes reads back unchanged.
//
// Input: a flags byte (bit 0 Far-East, bit 1 four-digit year by default, bits
// 2-3 the year width), the current year (two bytes, little-endian), the
// blanks character, then newline-separated fields: short date format,
// separator, short time format, AM text, PM text, field format, text. Bytes
// stand for themselves; byte 1 followed by two bytes gives any UTF-16 unit.

#include "calendar/DateTextRules.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr std::uint8_t kWideCharEscape = 1;
constexpr std::size_t kHeaderSize = 4;
constexpr std::size_t kFieldCount = 7;

void check(bool condition)
{
    if (!condition)
        __builtin_trap();
}

std::vector<std::u16string> splitFields(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::u16string> fields(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n' && fields.size() < kFieldCount) {
            fields.emplace_back();
        } else if (data[i] == kWideCharEscape && i + 2 < size) {
            fields.back() += static_cast<char16_t>(data[i + 1] << 8 | data[i + 2]);
            i += 2;
        } else {
            fields.back() += static_cast<char16_t>(data[i]);
        }
    }
    fields.resize(kFieldCount);
    return fields;
}

bool isDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace cyclo;
    if (size < kHeaderSize)
        return 0;
    const std::uint8_t flags = data[0];
    const int currentYear = data[1] | data[2] << 8;
    const auto blanksChar = static_cast<char16_t>(data[3]);
    const std::vector<std::u16string> f = splitFields(data + kHeaderSize, size - kHeaderSize);

    RegionalDateSettings s;
    s.farEast = (flags & 1U) != 0;
    s.fourDigitYearByDefault = (flags & 2U) != 0;
    s.shortDateFormat = f[0];
    s.dateSeparator = f[1].empty() ? u'/' : f[1][0];
    s.shortTimeFormat = f[2];
    s.timeAMString = f[3];
    s.timePMString = f[4];
    const std::u16string& anyFormat = f[5];
    const std::u16string& text = f[6];
    const auto digits = static_cast<TYearDigits>((flags >> 2U) % 3U);

    // Any format, any text.
    if (const auto date = ParseDateText(anyFormat, text, s, currentYear))
        check(IsValidDate(date->Year, date->Month, date->Day));
    for (const char16_t letter : {u'D', u'M', u'Y'}) {
        const int part = ReadDatePart(anyFormat, text, letter, -7);
        check(part == -7 || part == kBlankDatePart || part >= 0);
    }

    // The field's own format and mask, with the text assigned to it.
    const DateOrder order = DateOrderOf(s.shortDateFormat);
    const bool four = UsesFourDigitYear(digits, s.fourDigitYearByDefault);
    const std::u16string format = DateFieldFormat(order, four);
    const std::u16string mask = DateEditMask(order, four, blanksChar);
    (void)QtInputMaskOf(mask, s.dateSeparator);
    const std::u16string fitted = FitTextToMask(text, mask, s.dateSeparator);
    check(fitted.size() == format.size());
    for (std::size_t i = 0; i < fitted.size(); ++i) {
        if (format[i] == u'/')
            check(fitted[i] == s.dateSeparator);
        else
            check(fitted[i] == u' ' || isDigit(fitted[i]));
    }
    if (!isDigit(EffectiveBlanksChar(blanksChar)))
        check(FieldTextOf(DisplayTextOf(fitted, mask), mask) == fitted);

    const auto date = ParseDateText(format, fitted, s, currentYear);
    if (!date)
        return 0;
    check(IsValidDate(date->Year, date->Month, date->Day));
    const auto count = DateToDayCount(*date);
    check(count.has_value() && DayCountToDate(*count) == date);
    // Four-digit years from 100 on survive being written and read again.
    if (four && date->Year >= 100) {
        const std::u16string written = FormatDateText(format, s.dateSeparator, *date);
        check(ParseDateText(format, written, s, currentYear) == date);
    }
    return 0;
}
