#pragma once
// What the chart says in words: the viewed day's values and critical cycles,
// the month's critical days, and the description a screen reader gives of
// the chart. The status bar, the printed page and the chart's accessible
// description read them from here.

#include "chart/ChartState.h"

#include <QString>
#include <QStringList>

namespace cyclo {

// "Intellectual 94 %  Emotional -43 %  Physical 87 %  Intuitive 12 %", the
// curves switched off left out, "  Critical: physical" added on a critical
// day; empty when every curve is off.
[[nodiscard]] QString DayLineOf(const ChartState& state);

// One line per shown curve with the critical days of the viewed month:
// "Critical days of the physical cycle in December 2026: 3, 14, 26".
[[nodiscard]] QStringList CriticalDaysLinesOf(const ChartState& state);

// "Anna ( 4/8/1981 ), June 6, 1998: Intellectual -37 %  ..."
[[nodiscard]] QString ChartDescription(const QString& personLine, const QString& viewedDate,
                                       const ChartState& state);

} // namespace cyclo
