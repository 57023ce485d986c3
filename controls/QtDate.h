#pragma once
// The one crossing between Qt's dates and the three 16-bit words the
// program's calendar arithmetic and the person file count with.

#include "calendar/DayNumbering.h"

#include <QDate>

#include <cstdint>

namespace cyclo {

// A valid date's year, month and day. The program keeps dates between the
// years 1 and 9999, so every part fits its word.
[[nodiscard]] inline TYmd toYmd(const QDate& date)
{
    return {static_cast<std::uint16_t>(date.year()), static_cast<std::uint16_t>(date.month()),
            static_cast<std::uint16_t>(date.day())};
}

// The date the three words name; a null QDate where they name no date.
[[nodiscard]] inline QDate toQDate(const TYmd& ymd)
{
    return {ymd.Year, ymd.Month, ymd.Day};
}

} // namespace cyclo
