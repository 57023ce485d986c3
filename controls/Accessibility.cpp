#include "controls/Accessibility.h"

#include "controls/ShadowLabel.h"
#include "controls/VoCalendar.h"
#include "controls/VoSpeedButton.h"

namespace cyclo {

namespace {

// A caption as it reads: "&&" is one "&", a single "&" marks the next letter.
QString withoutAccelerators(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption.at(i);
    }
    return plain;
}

// The caption as text, without the accelerator marks.
class ShadowLabelAccessible : public QAccessibleWidget
{
public:
    explicit ShadowLabelAccessible(ShadowLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        const auto* label = static_cast<const ShadowLabel*>(widget());
        if (t == QAccessible::Name && label->accessibleName().isEmpty())
            return label->ShowAccelChar() ? withoutAccelerators(label->text()) : label->text();
        return QAccessibleWidget::text(t);
    }
};

// A push button: its accessible name, or else its hint.
class SpeedButtonAccessible : public QAccessibleWidget
{
public:
    explicit SpeedButtonAccessible(TVoSpeedButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->toolTip();
        return QAccessibleWidget::text(t);
    }

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = static_cast<const TVoSpeedButton*>(widget())->isDown();
        return s;
    }
};

// The month grid: its value is the selected date in full.
class CalendarAccessible : public QAccessibleWidget
{
public:
    explicit CalendarAccessible(TVoCalendar* calendar)
        : QAccessibleWidget(calendar, QAccessible::Table)
    {}

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        const auto* calendar = static_cast<const TVoCalendar*>(widget());
        if (t == QAccessible::Value ||
            (t == QAccessible::Name && calendar->accessibleName().isEmpty()))
            return calendar->selectedDateText();
        return QAccessibleWidget::text(t);
    }
};

} // namespace

void InstallControlsAccessibility()
{
    QAccessible::installFactory(&AccessibleFactoryFor<ShadowLabel, ShadowLabelAccessible>);
    QAccessible::installFactory(&AccessibleFactoryFor<TVoSpeedButton, SpeedButtonAccessible>);
    QAccessible::installFactory(&AccessibleFactoryFor<TVoCalendar, CalendarAccessible>);
}

} // namespace cyclo
