#include "controls/ShadowLabel.h"

#include "controls/DevicePixels.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <cmath>
#include <cstdlib>

namespace cyclo {

namespace {

// Dots per metre are dots per inch over this.
constexpr qreal kMetresPerInch = 0.0254;
// The caption is drawn one pixel in from the left and right edges.
constexpr int kSideMargin = 1;
// Height of the rectangle the caption is measured in; large enough for any caption.
constexpr int kMeasureHeight = 1 << 20;

} // namespace

ShadowLabel::ShadowLabel(QWidget* parent) : ShadowLabel(QString(), parent) {}

ShadowLabel::ShadowLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text)
{
    setFocusPolicy(Qt::NoFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    applyAutoSize();
}

void ShadowLabel::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    applyAutoSize();
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void ShadowLabel::setShadowSize(std::uint8_t size)
{
    if (size == shadowSize_)
        return;
    shadowSize_ = size;
    applyAutoSize();
    update();
}

QColor ShadowLabel::ShadowColor() const
{
    return shadowColor_.value_or(palette().color(QPalette::Light));
}

void ShadowLabel::setShadowColor(const QColor& color)
{
    shadowColor_ = color;
    update();
}

void ShadowLabel::resetShadowColor()
{
    shadowColor_.reset();
    update();
}

void ShadowLabel::setShadowPos(ShadowPosition position)
{
    if (position == shadowPos_)
        return;
    shadowPos_ = position;
    applyAutoSize();
    update();
}

void ShadowLabel::setAutoSize(bool on)
{
    autoSize_ = on;
    applyAutoSize();
}

void ShadowLabel::setAlignment(Qt::Alignment alignment)
{
    alignment_ = alignment & Qt::AlignHorizontal_Mask;
    update();
}

void ShadowLabel::setLayout(TextLayout layout)
{
    layout_ = layout;
    update();
}

void ShadowLabel::setWordWrap(bool on)
{
    if (on == wordWrap_)
        return;
    wordWrap_ = on;
    applyAutoSize();
    update();
}

void ShadowLabel::setTransparent(bool on)
{
    transparent_ = on;
    update();
}

void ShadowLabel::setShowAccelChar(bool on)
{
    if (on == showAccelChar_)
        return;
    showAccelChar_ = on;
    applyAutoSize();
    update();
}

void ShadowLabel::setDockedTop(bool on)
{
    dockedTop_ = on;
    setSizePolicy(on ? QSizePolicy::Preferred : QSizePolicy::Fixed, QSizePolicy::Fixed);
    applyAutoSize();
}

void ShadowLabel::setTextColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

QFont ShadowLabel::captionFont() const
{
    QFont f = font();
    f.setStyleStrategy(QFont::NoAntialias);
    // Whole-pixel glyph advances; without them the unsmoothed glyphs sit
    // unevenly.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

int ShadowLabel::textFlags(bool withAlignment) const
{
    int flags = Qt::AlignTop | Qt::TextExpandTabs;
    if (showAccelChar_)
        flags |= Qt::TextShowMnemonic;
    if (withAlignment)
        flags |= static_cast<int>(alignment_);
    else
        flags |= Qt::AlignLeft;
    return flags;
}

QPoint ShadowLabel::shadowOffset() const
{
    if (!isEnabled() && shadowSize_ == 0)
        return {1, 1};
    const int s = shadowSize_;
    switch (shadowPos_) {
    case ShadowPosition::spLeftTop:
        return {-s, -s};
    case ShadowPosition::spLeftBottom:
        return {-s, s};
    case ShadowPosition::spRightBottom:
        return {s, s};
    case ShadowPosition::spRightTop:
        return {s, -s};
    }
    return {-s, -s};
}

QString ShadowLabel::brokenText(const QString& text, int width) const
{
    if (!wordWrap_)
        return text;
    // Lines break only between words, at blanks, and a word longer than the
    // width stands on a line of its own. (Qt's own word wrap would also break
    // after a hyphen or a slash.) Blanks at a break are dropped; blanks
    // inside a line stay as typed.
    const QFontMetrics metrics(captionFont());
    const int flags = textFlags(false);
    const auto shownWidth = [&](const QString& line) {
        return metrics.boundingRect(QRect(0, 0, kMeasureHeight, kMeasureHeight), flags, line)
            .width();
    };
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QString line;
        qsizetype i = 0;
        while (i < paragraph.size()) {
            qsizetype wordStart = i;
            while (wordStart < paragraph.size() && paragraph[wordStart] == QLatin1Char(' '))
                ++wordStart;
            qsizetype wordEnd = wordStart;
            while (wordEnd < paragraph.size() && paragraph[wordEnd] != QLatin1Char(' '))
                ++wordEnd;
            const QString blanks = paragraph.mid(i, wordStart - i);
            const QString word = paragraph.mid(wordStart, wordEnd - wordStart);
            const QString candidate = line + blanks + word;
            if (!line.isEmpty() && !word.isEmpty() && shownWidth(candidate) > width) {
                lines << line;
                line = word;
            } else {
                line = candidate;
            }
            i = wordEnd;
        }
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QString ShadowLabel::measuredText() const
{
    // An empty caption keeps the height of one line.
    if (text_.isEmpty() || (showAccelChar_ && text_ == QLatin1String("&")))
        return QStringLiteral(" ");
    return text_;
}

QSize ShadowLabel::measure(int width) const
{
    const QFontMetrics metrics(captionFont());
    const QRect bounds = metrics.boundingRect(QRect(0, 0, std::max(width, 0), kMeasureHeight),
                                              textFlags(false), brokenText(measuredText(), width));
    // The union of the text and its shifted shadow.
    const QPoint offset = shadowOffset();
    return {bounds.width() + std::abs(offset.x()), bounds.height() + std::abs(offset.y())};
}

QSize ShadowLabel::autoSizeFor() const
{
    const QSize text = measure(width() - 2 * kSideMargin);
    return {text.width() + 2 * kSideMargin, text.height()};
}

QSize ShadowLabel::sizeHint() const
{
    return autoSize_ ? autoSizeFor() : size();
}

QSize ShadowLabel::minimumSizeHint() const
{
    return sizeHint();
}

void ShadowLabel::applyAutoSize()
{
    if (!autoSize_)
        return;
    const QSize wanted = autoSizeFor();
    if (dockedTop_) {
        setFixedHeight(wanted.height());
        updateGeometry();
        return;
    }
    QRect geometry = this->geometry();
    if (alignment_ & Qt::AlignRight) {
        // A right-aligned label grows and shrinks to the left.
        geometry.setLeft(geometry.right() + 1 - wanted.width());
    }
    geometry.setSize(wanted);
    setGeometry(geometry);
    updateGeometry();
}

void ShadowLabel::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paintLabel(painter);
}

void ShadowLabel::paintLabel(QPainter& painter) const
{
    if (!transparent_)
        painter.fillRect(rect(), palette().color(backgroundRole()));
    painter.setBackgroundMode(Qt::TransparentMode);

    QRect r = rect().adjusted(kSideMargin, 0, -kSideMargin, 0);
    const int flags = textFlags(true);
    if (layout_ != TextLayout::Top) {
        const int freeHeight = height() - measure(r.width()).height();
        r.translate(0, layout_ == TextLayout::Bottom ? freeHeight : freeHeight / 2);
    }

    // A disabled caption: grey text over a 3D-highlight shadow, whatever the
    // label's own colours.
    const QPalette& colours = palette();
    const bool enabled = isEnabled();
    const QColor shadow =
        enabled ? ShadowColor() : colours.color(QPalette::Active, QPalette::Light);
    const QColor face = enabled ? colours.color(QPalette::WindowText)
                                : colours.color(QPalette::Disabled, QPalette::WindowText);

    // The caption is rasterised once, at the device's resolution, and laid
    // down twice: the shadow whole device pixels away is then an exact copy
    // of the text at any screen scale.
    const QString shown = brokenText(text_, r.width());
    DevicePainter device(painter);
    const qreal ratio = device.ratio();
    const QRect deviceLabel = device.toDevice(rect());
    QImage caption(deviceLabel.size(), QImage::Format_ARGB32_Premultiplied);
    caption.fill(Qt::transparent);
    caption.setDevicePixelRatio(ratio);
    caption.setDotsPerMeterX(qRound(logicalDpiX() / kMetresPerInch));
    caption.setDotsPerMeterY(qRound(logicalDpiY() / kMetresPerInch));
    {
        QPainter ink(&caption);
        ink.setFont(captionFont());
        ink.setPen(Qt::black);
        ink.drawText(QRectF(r), flags, shown);
    }
    caption.setDevicePixelRatio(1.0);
    const auto tinted = [&caption](const QColor& colour) {
        QImage copy = caption;
        QPainter tint(&copy);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(copy.rect(), colour);
        return copy;
    };
    const QPoint offset = shadowOffset();
    const QPoint deviceOffset(static_cast<int>(std::lround(offset.x() * ratio)),
                              static_cast<int>(std::lround(offset.y() * ratio)));

    // The shadow first; the text then covers it wherever they overlap.
    painter.drawImage(deviceLabel.topLeft() + deviceOffset, tinted(shadow));
    painter.drawImage(deviceLabel.topLeft(), tinted(face));
}

void ShadowLabel::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::FontChange:
    case QEvent::EnabledChange:
        applyAutoSize();
        update();
        break;
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    QWidget::changeEvent(event);
}

} // namespace cyclo
