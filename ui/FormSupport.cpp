#include "ui/FormSupport.h"

#include "assets/Artwork.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMargins>
#include <QPushButton>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace cyclo {
namespace {

constexpr QSize kOkCancelPictureSize(18, 18);

QPushButton* makePictureButton(QWidget* parent, ButtonPicture picture, const char* caption,
                               const char* name, const QRect& geometry)
{
    auto* button =
        new QPushButton(Artwork::buttonIcon(picture), QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIconSize(kOkCancelPictureSize);
    button->setGeometry(geometry);
    return button;
}

// The frame around a window's client area, or none while the window system
// has not told it yet.
QMargins frameMarginsOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// Before its first showing a window has no frame yet; the frame of a window
// already on the screen is the best guess for it.
QMargins expectedFrameMargins(const QWidget& window)
{
    const QMargins own = frameMarginsOf(window);
    if (!own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        if (other != &window && other->isVisible()) {
            const QMargins margins = frameMarginsOf(*other);
            if (!margins.isNull())
                return margins;
        }
    }
    return {};
}

// Moves the window so that its frame, client area and `margins` together,
// sits in the middle of the available area of its screen.
void centreFrame(QWidget& window, const QMargins& margins)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->availableGeometry();
    const QSize frame = window.size().grownBy(margins);
    // A window's position is its frame's top-left corner.
    window.move(area.x() + (area.width() - frame.width()) / 2,
                area.y() + (area.height() - frame.height()) / 2);
}

// Centres a window by its frame when it is first shown, and once more as soon
// as the window system has put the real frame around it (known when the
// window is first exposed, or when the frame moves it).
class FrameCentring : public QObject
{
public:
    static constexpr const char* kName = "frameCentring";

    explicit FrameCentring(QWidget* window) : QObject(window), window_(*window)
    {
        setObjectName(QString::fromLatin1(kName));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (settled_)
            return QObject::eventFilter(watched, event);
        switch (event->type()) {
        case QEvent::Show:
            if (watched == &window_) {
                centreFrame(window_, expectedFrameMargins(window_));
                if (QWindow* handle = window_.windowHandle(); handle != nullptr && !watching_) {
                    handle->installEventFilter(this);
                    watching_ = true;
                }
                settleOnKnownFrame();
            }
            break;
        case QEvent::Expose:
        case QEvent::Move:
        case QEvent::Resize:
            if (window_.isVisible())
                settleOnKnownFrame();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void settleOnKnownFrame()
    {
        const QMargins margins = frameMarginsOf(window_);
        if (margins.isNull())
            return;
        settled_ = true;
        centreFrame(window_, margins);
    }

    QWidget& window_;
    bool watching_ = false;
    bool settled_ = false;
};

} // namespace

QFont FormFont()
{
    return NamedFont("MS Sans Serif", 8, false);
}

QFont NamedFont(const char* family, int points, bool bold)
{
    QFont font(QString::fromLatin1(family), points);
    font.setBold(bold);
    return font;
}

void centreOnScreen(QWidget& window)
{
    if (window.findChild<QObject*>(QString::fromLatin1(FrameCentring::kName),
                                   Qt::FindDirectChildrenOnly) == nullptr)
        window.installEventFilter(new FrameCentring(&window));
    centreFrame(window, frameMarginsOf(window));
}

QPushButton* makeOkButton(QWidget* parent, const QRect& geometry)
{
    QPushButton* ok = makePictureButton(parent, ButtonPicture::Ok, "OK", "OkBtn", geometry);
    ok->setDefault(true);
    return ok;
}

QPushButton* makeCancelButton(QDialog* dialog, const QRect& geometry)
{
    QPushButton* cancel =
        makePictureButton(dialog, ButtonPicture::Cancel, "&Cancel", "CancelBtn", geometry);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return cancel;
}

void NoCancelDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace cyclo
