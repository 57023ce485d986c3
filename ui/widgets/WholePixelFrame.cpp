#include "ui/widgets/WholePixelFrame.h"

#include "controls/DevicePixels.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>

namespace cyclo {

namespace {

// Qt's own style outlines boxes in the window colour darkened by 140 % and
// lightened by 108 %.
constexpr int kOutlineDarker = 140;
constexpr int kOutlineLighter = 108;

// The border, drawn over the box's contents: at a scale like 150 % a line of
// round(r) device pixels is wider than the one unit the contents leave it.
class BorderOverlay : public QWidget
{
public:
    explicit BorderOverlay(QAbstractScrollArea& box) : QWidget(&box), box_(box)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        DevicePainter device(painter);
        const QColor border =
            palette().color(QPalette::Window).darker(kOutlineDarker).lighter(kOutlineLighter);
        device.ring(device.toDevice(rect()), device.lineWidth(box_.frameWidth()), border, border);
    }

private:
    QAbstractScrollArea& box_;
};

class WholePixelFrame : public QObject
{
public:
    explicit WholePixelFrame(QAbstractScrollArea& box)
        : QObject(&box), box_(box), overlay_(new BorderOverlay(box))
    {
        overlay_->setGeometry(box.rect());
        overlay_->raise();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &box_)
            return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::Resize) {
            overlay_->setGeometry(box_.rect());
            overlay_->raise();
        } else if (event->type() == QEvent::Paint) {
            // Instead of the style's border, which the overlay draws: the
            // ground, so that no seam shows where the contents end between
            // two device pixels.
            QPainter painter(&box_);
            DevicePainter device(painter);
            device.fill(device.toDevice(box_.rect()), box_.palette().color(QPalette::Base));
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QAbstractScrollArea& box_;
    BorderOverlay* overlay_;
};

} // namespace

void DrawWholePixelFrame(QAbstractScrollArea& box)
{
    box.installEventFilter(new WholePixelFrame(box));
}

} // namespace cyclo
