#include "ui/widgets/ScreenReader.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
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
}

// Holds back the focus arriving at the widget it watches until the
// accessibility news that the widget has the focus is out: Qt sends that news
// after the widget has handled the focus, and a line edit's handling already
// tells of its caret and selection.
class FocusFirst : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::FocusIn || passing_ || !QAccessible::isActive())
            return QObject::eventFilter(watched, event);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* field = static_cast<QWidget*>(watched);
        QMetaObject::invokeMethod(
            this,
            [this, field, reason] {
                if (!field->hasFocus())
                    return;
                QFocusEvent again(QEvent::FocusIn, reason);
                passing_ = true;
                QCoreApplication::sendEvent(field, &again);
                passing_ = false;
            },
            Qt::QueuedConnection);
        return true;
    }

private:
    bool passing_ = false;
};

} // namespace

void InstallScreenReaderAccessibility()
{
    QAccessible::installFactory(MarkedWidgetFactory);
}

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

void DescribeByChoice(QComboBox& list)
{
    QObject::connect(&list, &QComboBox::currentTextChanged, &list,
                     [&list](const QString& line) { list.setAccessibleDescription(line); });
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
