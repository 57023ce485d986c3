#include "controls/ComboEdit.h"

#include "controls/EditButton.h"
#include "controls/PopupWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>
#include <algorithm>

namespace cyclo {

namespace {

// The edit's sunken border is this wide on every side; the button sits inside it.
constexpr int kBorder = 2;
// The button is at least this much wider than its image.
constexpr int kGlyphMargin = 6;
// A button narrower than this is hidden.
constexpr int kMinVisibleButtonWidth = 2;
// The thin system border counted four times in the least field height.
constexpr int kSystemBorderHeight = 1;

// The classic combo-box arrow: a 7 x 4 black triangle pointing down.
QImage dropDownArrowPicture()
{
    QImage image(7, 4, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int row = 0; row < image.height(); ++row)
        for (int x = row; x < image.width() - row; ++x)
            image.setPixel(x, row, qRgb(0, 0, 0));
    return image;
}

// Three black 2 x 2 dots, two pixels apart, after one empty column so that
// the transparent colour stands in the bottom-left pixel.
QImage ellipsisPicture()
{
    QImage image(11, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int dot = 0; dot < 3; ++dot)
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                image.setPixel(1 + dot * 4 + x, y, qRgb(0, 0, 0));
    return image;
}

} // namespace

TCustomComboEdit::TCustomComboEdit(QWidget* parent) : QLineEdit(parent)
{
    createButton();
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!changeBlocked_)
            emit OnChange();
    });
    updateMinimumHeight();
    resize(width(), kFieldHeight);
}

TCustomComboEdit::~TCustomComboEdit()
{
    if (popupVisible_)
        qApp->removeEventFilter(this);
}

void TCustomComboEdit::createButton()
{
    buttonContainer_ = new QWidget(this);
    buttonContainer_->setCursor(Qt::ArrowCursor);
    button_ = new TEditButton(buttonContainer_);
    connect(button_, &TVoSpeedButton::pressed, this, &TCustomComboEdit::buttonPressed);
    connect(button_, &TVoSpeedButton::clicked, this, &TCustomComboEdit::buttonClicked);
    layoutButton();
}

QPoint TCustomComboEdit::dropDownPosition(const QPoint& fieldTopLeft, const QSize& fieldSize,
                                          const QSize& popupSize, const QRect& screen,
                                          TPopupAlign align)
{
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();
    int y = fieldTopLeft.y() + fieldSize.height();
    if (y + popupSize.height() > screenBottom)
        y = fieldTopLeft.y() - popupSize.height();

    const int rightAligned = fieldTopLeft.x() - (popupSize.width() - fieldSize.width());
    int x = 0;
    if (align == TPopupAlign::epaRight) {
        x = rightAligned < screen.x() ? fieldTopLeft.x() : rightAligned;
    } else {
        x = fieldTopLeft.x();
        if (x + popupSize.width() > screenRight)
            x = rightAligned;
    }
    if (x < screen.x())
        x = screen.x();
    else if (x + popupSize.width() > screenRight)
        x = screenRight - popupSize.width();
    return {x, y};
}

void TCustomComboEdit::setFieldReadOnly(bool readOnly)
{
    readOnly_ = readOnly;
    if (!popupVisible_)
        restoreEditReadOnly();
}

void TCustomComboEdit::setDirectInput(bool directInput)
{
    directInput_ = directInput;
    if (!popupVisible_)
        restoreEditReadOnly();
}

void TCustomComboEdit::restoreEditReadOnly()
{
    setReadOnly(readOnly_ || !directInput_);
}

void TCustomComboEdit::setButtonWidth(int width)
{
    buttonWidth_ = width;
    layoutButton();
}

void TCustomComboEdit::setButtonHint(const QString& hint)
{
    button_->setToolTip(hint);
}

QString TCustomComboEdit::buttonHint() const
{
    return button_->toolTip();
}

void TCustomComboEdit::setGlyphKind(TGlyphKind kind)
{
    glyphKind_ = kind;
    if (kind == TGlyphKind::gkDropDown)
        buttonWidth_ = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    refreshGlyph();
}

void TCustomComboEdit::setGlyph(const QImage& picture)
{
    customGlyph_ = picture;
    glyphKind_ = TGlyphKind::gkCustom;
    refreshGlyph();
}

void TCustomComboEdit::setNumGlyphs(int count)
{
    numGlyphs_ = std::clamp(count, 1, TVoSpeedButton::kMaxGlyphs);
    refreshGlyph();
}

void TCustomComboEdit::setDefaultNumGlyphs(int count)
{
    defaultNumGlyphs_ = count;
    refreshGlyph();
}

void TCustomComboEdit::refreshGlyph()
{
    QImage picture;
    int count = 1;
    switch (glyphKind_) {
    case TGlyphKind::gkDefault:
        picture = DefaultButtonGlyph();
        count = defaultNumGlyphs_;
        break;
    case TGlyphKind::gkDropDown:
        picture = dropDownArrowPicture();
        break;
    case TGlyphKind::gkEllipsis:
        picture = ellipsisPicture();
        break;
    case TGlyphKind::gkCustom:
        picture = customGlyph_;
        count = numGlyphs_;
        break;
    }
    button_->setNumGlyphs(count);
    button_->setGlyph(picture);
    layoutButton();
}

void TCustomComboEdit::setPopup(TPopupWindow* popup)
{
    popup_ = popup;
    connect(popup_, &TPopupWindow::closeUp, this, &TCustomComboEdit::PopupCloseUp);
}

int TCustomComboEdit::effectiveButtonWidth() const
{
    if (buttonWidth_ < kMinVisibleButtonWidth)
        return 0;
    const QImage image = button_->glyphImage(true);
    return image.isNull() ? buttonWidth_
                          : std::max(buttonWidth_,
                                     qCeil(image.deviceIndependentSize().width()) + kGlyphMargin);
}

void TCustomComboEdit::layoutButton()
{
    const int buttonWidth = effectiveButtonWidth();
    buttonContainer_->setVisible(buttonWidth > 0);
    const int border = hasFrame() ? kBorder : 0;
    buttonContainer_->setGeometry(width() - buttonWidth - border, border, buttonWidth,
                                  height() - 2 * border);
    button_->setGeometry(buttonContainer_->rect());

    // The text ends 2 pixels left of the button: QLineEdit keeps its own
    // frame width and a margin of 2 pixels on each side of the text.
    int rightMargin = 0;
    if (buttonWidth > 0) {
        QStyleOptionFrame option;
        initStyleOption(&option);
        const int frame =
            hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this) : 0;
        rightMargin = std::max(0, border + buttonWidth - frame);
    }
    setTextMargins(0, 0, rightMargin, 0);
}

void TCustomComboEdit::updateMinimumHeight()
{
    const int textHeight =
        std::min(QFontMetrics(QApplication::font()).height(), fontMetrics().height());
    setMinimumHeight(4 * kSystemBorderHeight + textHeight + 1);
}

QSize TCustomComboEdit::sizeHint() const
{
    return {QLineEdit::sizeHint().width(), std::max(kFieldHeight, minimumHeight())};
}

QSize TCustomComboEdit::minimumSizeHint() const
{
    return {QLineEdit::minimumSizeHint().width(), minimumHeight()};
}

QImage TCustomComboEdit::DefaultButtonGlyph() const
{
    return {};
}

void TCustomComboEdit::DropDown(bool disableEdit)
{
    if (popup_ == nullptr || IsReadOnly() || popupVisible_)
        return;
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    const QScreen* fieldScreen = screen();
    const QRect screenRect = fieldScreen != nullptr ? fieldScreen->geometry() : QRect();
    const QPoint pos = dropDownPosition(topLeft, size(), popup_->size(), screenRect, popupAlign_);
    SetDropDownValue(displayText());
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible())
        setFocus(Qt::OtherFocusReason);
    ShowDropDown(pos);
    popupVisible_ = true;
    qApp->installEventFilter(this);
    if (disableEdit)
        setReadOnly(true);
}

void TCustomComboEdit::ShowDropDown(const QPoint& screenPos)
{
    popup_->move(screenPos);
    popup_->show();
    popup_->raise();
}

void TCustomComboEdit::HideDropDown()
{
    popup_->hide();
}

void TCustomComboEdit::PopupCloseUp(TPopupWindow* /*sender*/, bool accept)
{
    if (!popupVisible_)
        return;
    // Marked closed at once: hiding the window can move the focus and come back here.
    popupVisible_ = false;
    qApp->removeEventFilter(this);
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    QVariant value = GetDropDownValue();
    HideDropDown();
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible())
        setFocus(Qt::OtherFocusReason);
    restoreEditReadOnly();
    update();
    if (accept && CanAcceptDropDownValue(value) && !IsReadOnly()) {
        AcceptDropDownValue(value);
        if (hasFocus())
            selectAll();
    }
    DropDownChanged();
}

bool TCustomComboEdit::CanAcceptDropDownValue(QVariant& /*value*/)
{
    return true;
}

void TCustomComboEdit::AcceptDropDownValue(const QVariant& value)
{
    setText(value.toString());
}

void TCustomComboEdit::SetDropDownValue(const QString& text)
{
    popup_->PresetValue(text);
}

QVariant TCustomComboEdit::GetDropDownValue() const
{
    return popup_->ReadValue();
}

void TCustomComboEdit::DropDownChanged() {}

bool TCustomComboEdit::isDropDownKey(const QKeyEvent* event) const
{
    switch (event->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        return event->modifiers().testFlag(Qt::KeypadModifier);
    default:
        return event->text().compare(QStringLiteral("t"), Qt::CaseInsensitive) == 0;
    }
}

bool TCustomComboEdit::isClickKey(const QKeyEvent* event) const
{
    const Qt::KeyboardModifiers held = event->modifiers() & ~Qt::KeypadModifier;
    return event->key() == clickKey_.key() && held == clickKey_.keyboardModifiers();
}

void TCustomComboEdit::passToDialog(QKeyEvent* event)
{
    event->accept();
    QWidget* parent = parentWidget();
    if (parent == nullptr)
        return;
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                   event->isAutoRepeat(), static_cast<ushort>(event->count()));
    QCoreApplication::sendEvent(parent, &copy);
}

void TCustomComboEdit::keyPressEvent(QKeyEvent* event)
{
    if (popupVisible_) {
        if (isClickKey(event) && !isDropDownKey(event)) {
            event->accept();
            buttonClicked();
            return;
        }
        if (isDropDownKey(event) && popup_->handleKey(event)) {
            event->accept();
            return;
        }
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (isClickKey(event)) {
        event->accept();
        if (buttonWidth_ > 0 && !IsReadOnly())
            buttonClicked();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        passToDialog(event);
        return;
    case Qt::Key_Escape: {
        // The dialog's cancel button acts first; then the field takes back the
        // text it had when it got the focus.
        const QString before = textAtFocus_;
        passToDialog(event);
        if (displayText() != before)
            setText(before);
        return;
    }
    default:
        QLineEdit::keyPressEvent(event);
    }
}

bool TCustomComboEdit::focusMovedToOwnPopup(const QFocusEvent* event) const
{
    if (event->reason() == Qt::PopupFocusReason)
        return true;
    return event->reason() == Qt::ActiveWindowFocusReason && popup_ != nullptr &&
           QApplication::activeWindow() == popup_;
}

void TCustomComboEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Back from a passing activation of the drop-down, or its window is
    // active again after a message box or another program: the user never
    // left the field, so the text from when the focus came stays.
    const Qt::FocusReason reason = event->reason();
    if (focused_ && (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason))
        return;
    focused_ = true;
    textAtFocus_ = displayText();
    const bool byKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                            reason == Qt::ShortcutFocusReason;
    if (byKeyboard && directInput_)
        selectAll();
}

void TCustomComboEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    if (focusMovedToOwnPopup(event))
        return;
    // A window going inactive keeps the field as its focus widget; any other
    // reason means the user left it.
    focused_ = event->reason() == Qt::ActiveWindowFocusReason;
    if (popupVisible_)
        PopupCloseUp(popup_, false);
}

void TCustomComboEdit::mousePressEvent(QMouseEvent* event)
{
    if (popupVisible_ && event->button() == Qt::LeftButton) {
        if (focusPolicy() != Qt::NoFocus)
            setFocus(Qt::MouseFocusReason);
        if (!hasFocus()) {
            event->accept();
            return;
        }
        PopupCloseUp(popup_, false);
    }
    QLineEdit::mousePressEvent(event);
}

void TCustomComboEdit::resizeEvent(QResizeEvent* event)
{
    QLineEdit::resizeEvent(event);
    layoutButton();
}

void TCustomComboEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        updateMinimumHeight();
    } else if (event->type() == QEvent::EnabledChange && !isEnabled() && popupVisible_) {
        PopupCloseUp(popup_, false);
    }
}

bool TCustomComboEdit::eventFilter(QObject* watched, QEvent* event)
{
    // A press anywhere but in the field, its button or the drop-down closes
    // the drop-down without accepting (installed on the application while open).
    if (popupVisible_ && (event->type() == QEvent::MouseButtonPress ||
                          event->type() == QEvent::MouseButtonDblClick)) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget != this && !isAncestorOf(widget) &&
            !popup_->containsWidget(widget))
            PopupCloseUp(popup_, false);
    }
    return QLineEdit::eventFilter(watched, event);
}

void TCustomComboEdit::buttonPressed()
{
    if (popupVisible_) {
        PopupCloseUp(popup_, true);
        button_->setIgnoreNextClick(true);
        return;
    }
    if ((focusPolicy() & Qt::TabFocus) != 0 && isEnabled() && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TCustomComboEdit::buttonClicked()
{
    if (IsReadOnly())
        return;
    emit OnButtonClick();
    if (popupVisible_)
        PopupCloseUp(popup_, true);
    else
        DropDown(true);
}

} // namespace cyclo
