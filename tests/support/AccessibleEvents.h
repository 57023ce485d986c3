#pragma once
// Records what the widgets tell assistive technology. Qt hands every
// accessibility event to one plain function, so the recorder that is alive
// is reached through a pointer of its own; while one lives, accessibility is
// switched on as a screen reader switches it on, through the platform.

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <vector>

namespace cyclo::test {

class AccessibleEvents
{
public:
    struct Event
    {
        QAccessible::Event type;
        QPointer<QObject> object;
        int child;
        // The name and description of the object (or of its child) as the
        // event was sent.
        QString name;
        QString description;
        QAccessible::Role role;
        // For an event about a part of a widget: the widget.
        QPointer<QObject> owner;
    };

    AccessibleEvents()
    {
        live() = this;
        previous_ = QAccessible::installUpdateHandler(&AccessibleEvents::record);
        wasActive_ = QAccessible::isActive();
        setActive(true);
    }

    ~AccessibleEvents()
    {
        setActive(wasActive_);
        QAccessible::installUpdateHandler(previous_);
        live() = nullptr;
    }

    AccessibleEvents(const AccessibleEvents&) = delete;
    AccessibleEvents& operator=(const AccessibleEvents&) = delete;

    [[nodiscard]] const std::vector<Event>& events() const { return events_; }
    void clear() { events_.clear(); }

    // The events of `type` about `object`, in the order sent.
    [[nodiscard]] std::vector<Event> of(QAccessible::Event type, const QObject* object) const
    {
        std::vector<Event> found;
        for (const Event& e : events_)
            if (e.type == type && e.object == object)
                found.push_back(e);
        return found;
    }

private:
    static void setActive(bool active)
    {
        if (QPlatformAccessibility* platform =
                QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(active);
    }

    static AccessibleEvents*& live()
    {
        static AccessibleEvents* recorder = nullptr;
        return recorder;
    }

    static QObject* ownerOf(QAccessibleEvent* event)
    {
        if (event->object() != nullptr)
            return event->object();
        QAccessibleInterface* iface = event->accessibleInterface();
        QAccessibleInterface* parent = iface != nullptr ? iface->parent() : nullptr;
        return parent != nullptr ? parent->object() : nullptr;
    }

    static void record(QAccessibleEvent* event)
    {
        if (live() == nullptr)
            return;
        QAccessibleInterface* iface = event->accessibleInterface();
        live()->events_.push_back(
            {event->type(), event->object(), event->child(),
             iface != nullptr ? iface->text(QAccessible::Name) : QString(),
             iface != nullptr ? iface->text(QAccessible::Description) : QString(),
             iface != nullptr ? iface->role() : QAccessible::NoRole, ownerOf(event)});
    }

    QAccessible::UpdateHandler previous_ = nullptr;
    bool wasActive_ = false;
    std::vector<Event> events_;
};

} // namespace cyclo::test
