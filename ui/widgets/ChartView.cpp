#include "ui/widgets/ChartView.h"

#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>
#include <optional>

namespace cyclo {

namespace {

// The frame that shows the paint area has the keyboard focus.
constexpr int kFocusFrameWidth = 2;

// The keys that step the viewed day while the chart has the focus: Left and
// Right a day, Page Up and Page Down a month, with Ctrl a year.
std::optional<CalendarStep> stepForKey(int key, Qt::KeyboardModifiers modifiers)
{
    const Qt::KeyboardModifiers held = modifiers & ~Qt::KeypadModifier;
    const bool plain = held == Qt::NoModifier;
    const bool ctrl = held == Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Left:
        return plain ? std::optional(CalendarStep::PrevDay) : std::nullopt;
    case Qt::Key_Right:
        return plain ? std::optional(CalendarStep::NextDay) : std::nullopt;
    case Qt::Key_PageUp:
        return plain  ? std::optional(CalendarStep::PrevMonth)
               : ctrl ? std::optional(CalendarStep::PrevYear)
                      : std::nullopt;
    case Qt::Key_PageDown:
        return plain  ? std::optional(CalendarStep::NextMonth)
               : ctrl ? std::optional(CalendarStep::NextYear)
                      : std::nullopt;
    default:
        return std::nullopt;
    }
}

// The viewed day as screen readers hear it after a step: a part of the chart,
// named by the date and the day's values, that takes the focus. Each step
// makes a new one, which screen readers take for a move of the focus and
// speak; a change of the chart's own description does not reach them (the
// accessibility bridge hands them the chart instead of the text).
class ChartDayAccessible : public QAccessibleInterface
{
public:
    // The part lives no longer than the chart, which deletes it.
    ChartDayAccessible(QWidget& chart, QString text) : chart_(chart), text_(std::move(text)) {}

    [[nodiscard]] bool isValid() const override { return true; }
    [[nodiscard]] QObject* object() const override { return nullptr; }
    [[nodiscard]] QWindow* window() const override { return chart_.window()->windowHandle(); }
    [[nodiscard]] QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation /*match*/) const override
    {
        return {};
    }
    [[nodiscard]] QAccessibleInterface* focusChild() const override { return nullptr; }
    [[nodiscard]] QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override
    {
        return nullptr;
    }
    [[nodiscard]] QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(&chart_);
    }
    [[nodiscard]] QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    [[nodiscard]] int childCount() const override { return 0; }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* /*child*/) const override
    {
        return -1;
    }
    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? text_ : QString();
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
    [[nodiscard]] QRect rect() const override
    {
        return {chart_.mapToGlobal(QPoint(0, 0)), chart_.size()};
    }
    [[nodiscard]] QAccessible::Role role() const override { return QAccessible::StaticText; }
    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.readOnly = true;
        s.focused = chart_.hasFocus();
        s.invisible = !chart_.isVisible();
        return s;
    }

private:
    QWidget& chart_;
    QString text_;
};

} // namespace

ChartView::ChartView(Paint paint, Step step, QWidget* parent)
    : QWidget(parent), paint_(std::move(paint)), step_(std::move(step))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::TabFocus);
}

ChartView::~ChartView()
{
    if (dayId_ != 0)
        QAccessible::deleteAccessibleInterface(dayId_);
}

void ChartView::announceDay(const QString& text)
{
    if (!QAccessible::isActive() || !hasFocus())
        return;
    const QAccessible::Id previous = dayId_;
    auto* day = new ChartDayAccessible(*this, text);
    dayId_ = QAccessible::registerAccessibleInterface(day);
    QAccessibleEvent focus(day, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
    if (previous != 0)
        QAccessible::deleteAccessibleInterface(previous);
}

QAccessibleInterface* ChartView::dayInterface() const
{
    return dayId_ != 0 ? QAccessible::accessibleInterface(dayId_) : nullptr;
}

void ChartView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paint_(painter, size());
    if (hasFocus())
        drawFocusFrame(painter);
}

void ChartView::keyPressEvent(QKeyEvent* event)
{
    if (const auto step = stepForKey(event->key(), event->modifiers())) {
        step_(*step);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ChartView::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ChartView::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

// In the highlight colour, over the chart's outer margin.
void ChartView::drawFocusFrame(QPainter& painter) const
{
    const QColor colour = palette().color(QPalette::Highlight);
    const int w = width();
    const int h = height();
    painter.fillRect(0, 0, w, kFocusFrameWidth, colour);
    painter.fillRect(0, h - kFocusFrameWidth, w, kFocusFrameWidth, colour);
    painter.fillRect(0, 0, kFocusFrameWidth, h, colour);
    painter.fillRect(w - kFocusFrameWidth, 0, kFocusFrameWidth, h, colour);
}

namespace {

// Screen readers announce the paint area as a chart; its name and the
// description of what it shows are the widget's own. After a step it holds
// the viewed day as its one part.
class ChartAccessibleWidget : public QAccessibleWidget
{
public:
    explicit ChartAccessibleWidget(ChartView* view) : QAccessibleWidget(view, QAccessible::Chart) {}

    [[nodiscard]] int childCount() const override { return day() != nullptr ? 1 : 0; }
    [[nodiscard]] QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? day() : nullptr;
    }
    [[nodiscard]] int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child != nullptr && child == day() ? 0 : -1;
    }

private:
    [[nodiscard]] QAccessibleInterface* day() const
    {
        return static_cast<const ChartView*>(widget())->dayInterface();
    }
};

} // namespace

QAccessibleInterface* ChartViewAccessible(const QString& /*key*/, QObject* object)
{
    if (auto* view = dynamic_cast<ChartView*>(object))
        return new ChartAccessibleWidget(view);
    return nullptr;
}

} // namespace cyclo
