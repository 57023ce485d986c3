#include "ui/FormSupport.h"

#include "assets/Artwork.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListView>
#include <QMargins>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
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
// has not told it yet. While a window manager puts its frame around a new
// window, the frame can for a moment be reported smaller than the window
// itself; such a frame is not known yet either.
QMargins frameMarginsOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0)
        return {};
    return margins;
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

// While a modal window is open, the windows it blocks take no keys or clicks.
// Some window systems (Wayland compositors) still activate such a window when
// it is clicked, and raise it over the modal one: the program would look
// frozen. The activation goes straight back to the modal window. (X11 does
// so by itself; doing it once more there changes nothing.)
class ModalHandBack : public QObject
{
public:
    static constexpr const char* kName = "modalHandBack";

    explicit ModalHandBack(QWidget* window) : QObject(window), window_(*window)
    {
        setObjectName(QString::fromLatin1(kName));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::WindowActivate)
            handBack();
        return QObject::eventFilter(watched, event);
    }

private:
    void handBack()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == &window_ || modal->isAncestorOf(&window_))
            return;
        // After the activation has run its course, not inside it; the timer
        // goes with the modal window should that close first.
        QTimer::singleShot(0, modal, [modal] {
            if (modal->isVisible()) {
                modal->raise();
                modal->activateWindow();
            }
        });
    }

    QWidget& window_;
};

// Enter and Return on a list, a check box, a drop-down list or a button that
// is no dialog button go on to the window, where the default button acts, as
// Qt's own platform theme has it. Desktop themes (GTK's) let those widgets
// take Enter themselves: a list would keep it, a check box would toggle and a
// drop-down list would open.
class DialogKeys : public QObject
{
public:
    static constexpr const char* kName = "dialogKeys";

    explicit DialogKeys(QObject* application) : QObject(application)
    {
        setObjectName(QString::fromLatin1(kName));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr || !passesEnterOn(*widget))
            return false;
        if (event->type() == QEvent::KeyPress) {
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text(),
                           key->isAutoRepeat(), static_cast<ushort>(key->count()));
            QCoreApplication::sendEvent(widget->window(), &copy);
        }
        return true;
    }

private:
    static bool passesEnterOn(const QWidget& widget)
    {
        // A popup's keys stay there: Enter picks a line of an open drop-down list.
        if (widget.isWindow() || widget.window()->windowType() == Qt::Popup)
            return false;
        // A list of lines (while a line is edited, its editor has the keys,
        // not the list). Other views, such as a month calendar's grid, use
        // Enter themselves.
        if (qobject_cast<const QListView*>(&widget) != nullptr)
            return true;
        if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
            return !combo->isEditable();
        if (const auto* push = qobject_cast<const QPushButton*>(&widget))
            return !push->autoDefault() && !push->isDefault();
        return qobject_cast<const QAbstractButton*>(&widget) != nullptr;
    }
};

// Installs an event filter of class F on `target`, owned by it, unless one is
// there already (known by the filter's object name, F::kName).
template <class F, class T> void installFilterOnce(T& target)
{
    if (target.template findChild<QObject*>(QString::fromLatin1(F::kName),
                                            Qt::FindDirectChildrenOnly) == nullptr)
        target.installEventFilter(new F(&target));
}

} // namespace

bool windowSystemPlacesWindows()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void setUpWindow(QDialog& window, QWidget* opener, const WindowFrame& frame)
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (frame.border) {
    case WindowFrame::Border::Dialog:
        flags |= Qt::Dialog;
        break;
    case WindowFrame::Border::Fixed:
        flags |= Qt::Window | Qt::WindowMinimizeButtonHint;
        break;
    case WindowFrame::Border::Sizeable:
        flags |= Qt::Window | Qt::WindowMinMaxButtonsHint;
        break;
    }
    // A parent makes the opener the window's transient parent.
    window.setParent(opener, flags);
    window.setWindowTitle(frame.title);
    window.setWindowIcon(Artwork::programIcon());
    window.setFont(FormFont());
    if (frame.border == WindowFrame::Border::Sizeable)
        window.resize(frame.clientSize);
    else
        window.setFixedSize(frame.clientSize);
    centreOnScreen(window);
    installFilterOnce<ModalHandBack>(window);
    if (QCoreApplication* application = QCoreApplication::instance())
        installFilterOnce<DialogKeys>(*application);
}

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
    // There the compositor decides, and a move would only be ignored.
    if (windowSystemPlacesWindows())
        return;
    installFilterOnce<FrameCentring>(window);
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
