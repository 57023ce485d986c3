#pragma once
// The chart window's paint area: the window paints it whole, so nothing is
// erased first. Tab reaches it (a click does not, so the mouse works the
// window as before); with the focus it shows a frame along its edges and
// turns the day-stepping keys into steps for the window. Screen readers
// announce it as a chart, and after a step hear the viewed day as a part of
// it that takes the focus.

#include "controls/CalendarSteps.h"

#include <QAccessible>
#include <QWidget>
#include <functional>

class QAccessibleInterface;

namespace cyclo {

class ChartView : public QWidget
{
public:
    using Paint = std::function<void(QPainter&, QSize)>;
    using Step = std::function<void(CalendarStep)>;

    // `paint` draws the whole area at the given size; `step` moves the viewed day.
    ChartView(Paint paint, Step step, QWidget* parent);
    ~ChartView() override;

    ChartView(const ChartView&) = delete;
    ChartView& operator=(const ChartView&) = delete;

    // Tells screen readers the viewed day, `text`, as a part of the chart
    // that takes the focus.
    void announceDay(const QString& text);

    // The viewed day's part, once a step has told of it.
    [[nodiscard]] QAccessibleInterface* dayInterface() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void drawFocusFrame(QPainter& painter) const;

    Paint paint_;
    Step step_;
    QAccessible::Id dayId_ = 0;
};

// What screen readers are told of a chart view; installed once at start-up
// with the program's other accessibility factories.
QAccessibleInterface* ChartViewAccessible(const QString& key, QObject* object);

} // namespace cyclo
