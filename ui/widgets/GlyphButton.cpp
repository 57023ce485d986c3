#include "ui/widgets/GlyphButton.h"

#include "controls/DevicePixels.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace cyclo {

namespace {

// Picture size and the gap between picture and caption.
constexpr int kPictureSize = 16;
constexpr int kSpacing = 4;

} // namespace

GlyphButton::GlyphButton(const QIcon& picture, const QString& caption, QWidget* parent)
    : QPushButton(picture, caption, parent)
{
    setIconSize(QSize(kPictureSize, kPictureSize));
}

QSize GlyphButton::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int textWidth = metrics.horizontalAdvance(text().remove(QLatin1Char('&')));
    return {std::max(iconSize().width(), textWidth) + 16,
            iconSize().height() + kSpacing + metrics.height() + 16};
}

void GlyphButton::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);

    // The frame, the default-button mark and the focus rectangle as the
    // style draws them, without the style's own icon and text placement.
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QFontMetrics metrics = fontMetrics();
    const QSize picture = iconSize();
    const int blockHeight = picture.height() + kSpacing + metrics.height();
    QPoint shift;
    if (isDown() || isChecked())
        shift = QPoint(1, 1); // the pressed look moves the content
    const int top = (height() - blockHeight) / 2 + shift.y();

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap pixmap = icon().pixmap(picture, devicePixelRatio(), mode);
    const QSize shown = pixmap.deviceIndependentSize().toSize();
    // Pixel for pixel at the pixmap's own ratio: its corner on a whole device pixel.
    const QPointF corner((width() - shown.width()) / 2 + shift.x(), top);
    painter.drawPixmap(corner + DeviceAlignmentShift(painter, corner), pixmap);

    const QRect textRect(shift.x(), top + picture.height() + kSpacing, width(), metrics.height());
    // Accelerator letters are always underlined, as in the classic look.
    painter.drawItemText(textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic,
                         palette(), isEnabled(), text(), QPalette::ButtonText);
}

} // namespace cyclo
