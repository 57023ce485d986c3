#include "ui/ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QVariant>
#include <QWidget>

namespace cyclo {

namespace {

// The widget property that carries the role a widget is announced with.
constexpr const char* kRoleProperty = "cycloAccessibleRole";
// A role no widget of the program has: the widget is left out.
constexpr int kHidden = -1;

// A widget shown with the role its property gives; a hidden one says it is
// not showing, which makes screen readers pass over it.
class MarkedWidgetAccessible : public QAccessibleWidget
{
public:
    MarkedWidgetAccessible(QWidget* widget, int role)
        : QAccessibleWidget(widget, role == kHidden ? QAccessible::Graphic
                                                    : static_cast<QAccessible::Role>(role)),
          hidden_(role == kHidden)
    {}

    [[nodiscard]] QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (hidden_)
            s.invisible = true;
        return s;
    }

    [[nodiscard]] QString text(QAccessible::Text t) const override
    {
        return hidden_ ? QString() : QAccessibleWidget::text(t);
    }

private:
    bool hidden_;
};

// Answers for a marked widget when Qt first asks, by the widget's own class.
QAccessibleInterface* MarkedWidgetFactory(const QString& className, QObject* object)
{
    if (object == nullptr || !object->isWidgetType() ||
        className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new MarkedWidgetAccessible(static_cast<QWidget*>(object), role.toInt());
}

void markRole(QWidget& widget, int role)
{
    widget.setProperty(kRoleProperty, role);
    // Installing it again for another widget changes nothing.
    QAccessible::installFactory(MarkedWidgetFactory);
}

// Sends the accessibility focus news of the widget it watches as the focus
// arrives, before the widget's own handling of the focus.
class FocusFirst : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && QAccessible::isActive()) {
            QAccessibleEvent focus(watched, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

void AnnounceAsWindow(QWidget& window)
{
    markRole(window, QAccessible::Window);
}

void HideFromScreenReaders(QWidget& picture)
{
    markRole(picture, kHidden);
}

void NameByLabel(QWidget& field, const QString& caption)
{
    const QString name = FieldName(caption);
    field.setAccessibleName(name);
    if (field.parentWidget() == nullptr)
        return;
    // Hidden, it takes no room and no paint; screen readers find it as the
    // label of its buddy.
    auto* label = new QLabel(name, field.parentWidget());
    label->setObjectName(field.objectName() + QStringLiteral("Label"));
    label->setBuddy(&field);
    label->hide();
}

void AnnounceFocusFirst(QWidget& field)
{
    field.installEventFilter(new FocusFirst(&field));
}

QString FieldName(const QString& caption)
{
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

} // namespace cyclo
