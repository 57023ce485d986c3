#include "ui/printing/DayTexts.h"

#include "calendar/CycleDay.h"

namespace cyclo {

QString DayLineOf(const ChartState& state)
{
    return QString::fromStdString(DayLine(state.ChartBirth, state.ChartView, state.shown));
}

QStringList CriticalDaysLinesOf(const ChartState& state)
{
    QStringList lines;
    for (std::size_t i = 0; i < kCycles.size(); ++i) {
        if (state.shown[i])
            lines.append(QString::fromStdString(CriticalDaysLine(
                state.ChartBirth, state.ChartView.Year, state.ChartView.Month, kCycles[i].cycle)));
    }
    return lines;
}

QString ChartDescription(const QString& personLine, const QString& viewedDate,
                         const ChartState& state)
{
    QString description = personLine + QStringLiteral(", ") + viewedDate;
    const QString dayLine = DayLineOf(state);
    if (!dayLine.isEmpty())
        description += QStringLiteral(": ") + dayLine;
    return description;
}

} // namespace cyclo
