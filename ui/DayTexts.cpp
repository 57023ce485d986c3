#include "ui/DayTexts.h"

#include "calendar/CycleDay.h"

namespace cyclo {
namespace {

CycleSelection ShownCycles(const ChartState& state)
{
    CycleSelection shown{};
    for (std::size_t i = 0; i < kCycles.size(); ++i)
        shown[i] = state.*ShowFlagOf(kCycles[i].cycle);
    return shown;
}

} // namespace

QString DayLineOf(const ChartState& state)
{
    return QString::fromStdString(DayLine(state.ChartBirth, state.ChartView, ShownCycles(state)));
}

QStringList CriticalDaysLinesOf(const ChartState& state)
{
    QStringList lines;
    for (const CycleInfo& cycle : kCycles) {
        if (state.*ShowFlagOf(cycle.cycle))
            lines.append(QString::fromStdString(CriticalDaysLine(
                state.ChartBirth, state.ChartView.Year, state.ChartView.Month, cycle.cycle)));
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
