#include "controls/VoSpeedButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace cyclo {

namespace {

constexpr int kGlyphNormal = 0;
constexpr int kGlyphDisabled = 1;
// Grey level below which a pixel counts as ink when a disabled image is made.
constexpr int kInkThreshold = 192;

// The picture with every pixel of its bottom-left colour made transparent.
QImage withTransparentColour(const QImage& picture)
{
    if (picture.isNull())
        return {};
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::replace(line, line + image.width(), key, qRgba(0, 0, 0, 0));
    }
    return image;
}

// The classic look of a disabled picture: its dark strokes as a grey shape
// with a white copy one pixel right and down behind it.
QImage embossed(const QImage& image, const QPalette& palette)
{
    QImage result(image.size(), QImage::Format_ARGB32);
    result.setDevicePixelRatio(image.devicePixelRatio());
    result.fill(Qt::transparent);
    const QRgb light = palette.color(QPalette::Light).rgb();
    const QRgb dark = palette.color(QPalette::Dark).rgb();
    auto isInk = [&](int x, int y) {
        const QRgb p = image.pixel(x, y);
        return qAlpha(p) != 0 && qGray(p) < kInkThreshold;
    };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(x, y) && x + 1 < image.width() && y + 1 < image.height())
                result.setPixel(x + 1, y + 1, light);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isInk(x, y))
                result.setPixel(x, y, dark);
    return result;
}

} // namespace

void DrawThinBevel(QPainter& painter, const QRect& rect, const QColor& topLeft,
                   const QColor& bottomRight)
{
    DevicePainter device(painter);
    device.ring(device.toDevice(rect), device.lineWidth(), topLeft, bottomRight);
}

void DrawButtonBevel(DevicePainter& device, const QRect& deviceRect, const QPalette& palette,
                     bool sunken)
{
    const QColor light = palette.color(QPalette::Light);
    const QColor midlight = palette.color(QPalette::Midlight);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor shadow = palette.color(QPalette::Shadow);
    const int line = device.lineWidth();
    const QRect inner = deviceRect.adjusted(line, line, -line, -line);
    if (sunken) {
        device.ring(deviceRect, line, dark, light);
        device.ring(inner, line, shadow, midlight);
    } else {
        device.ring(deviceRect, line, light, shadow);
        device.ring(inner, line, midlight, dark);
    }
}

void DrawPicture(DevicePainter& device, const QPoint& deviceTopLeft, const QImage& picture)
{
    const QSize size = DevicePictureSize(picture, device.ratio());
    QPainter& painter = device.painter();
    if (size == picture.size()) {
        // Drawn pixel for pixel: the picture was made for this ratio.
        painter.drawImage(QRect(deviceTopLeft, size), picture, picture.rect());
        return;
    }
    // A picture made for another ratio: a smaller copy is smoothed, a larger
    // one keeps its pixels sharp.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, size.width() < picture.width());
    painter.drawImage(QRect(deviceTopLeft, size), picture, picture.rect());
}

QSize DevicePictureSize(const QImage& picture, qreal ratio)
{
    const QSizeF units = picture.deviceIndependentSize();
    return {std::max(1, static_cast<int>(std::lround(units.width() * ratio))),
            std::max(1, static_cast<int>(std::lround(units.height() * ratio)))};
}

TVoSpeedButton::TVoSpeedButton(QWidget* parent)
    : QWidget(parent), timer_(std::make_unique<QtRepeatTimer>())
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    timer_->setCallback([this] { onRepeatTimer(); });
}

TVoSpeedButton::~TVoSpeedButton() = default;

void TVoSpeedButton::setGlyph(const QImage& picture)
{
    glyph_ = withTransparentColour(picture);
    update();
}

void TVoSpeedButton::setNumGlyphs(int count)
{
    numGlyphs_ = std::clamp(count, 1, kMaxGlyphs);
    update();
}

QImage TVoSpeedButton::glyphImage(bool enabled) const
{
    if (glyph_.isNull())
        return {};
    const int width = glyph_.width() / numGlyphs_;
    auto image = [&](int index) { return glyph_.copy(index * width, 0, width, glyph_.height()); };
    if (enabled)
        return image(kGlyphNormal);
    if (numGlyphs_ > kGlyphDisabled)
        return image(kGlyphDisabled);
    return embossed(image(kGlyphNormal), palette());
}

void TVoSpeedButton::setFlat(bool flat)
{
    flat_ = flat;
    update();
}

void TVoSpeedButton::setAllowTimer(bool allow)
{
    allowTimer_ = allow;
    if (!allow)
        timer_->stop();
}

void TVoSpeedButton::setRepeatTimer(std::unique_ptr<RepeatTimer> timer)
{
    timer_->stop();
    timer_ = std::move(timer);
    timer_->setCallback([this] { onRepeatTimer(); });
}

QSize TVoSpeedButton::sizeHint() const
{
    const QImage image = glyphImage(true);
    return image.isNull() ? QSize(21, 21) : image.deviceIndependentSize().toSize() + QSize(6, 6);
}

void TVoSpeedButton::click()
{
    emit clicked();
}

void TVoSpeedButton::paintButton(QPainter& painter)
{
    DevicePainter device(painter);
    const QRect r = device.toDevice(rect());
    const int line = device.lineWidth();
    if (!flat_) {
        device.fill(r, palette().color(QPalette::Button));
        DrawButtonBevel(device, r, palette(), down_);
    } else if (down_) {
        device.ring(r, line, palette().color(QPalette::Dark), palette().color(QPalette::Light));
    } else if (hover_ && isEnabled()) {
        device.ring(r, line, palette().color(QPalette::Light), palette().color(QPalette::Dark));
    }
    const QImage image = glyphImage(isEnabled());
    if (image.isNull())
        return;
    const QSize size = DevicePictureSize(image, device.ratio());
    QPoint topLeft(r.left() + (r.width() - size.width()) / 2,
                   r.top() + (r.height() - size.height()) / 2);
    if (down_)
        topLeft += QPoint(line, line);
    DrawPicture(device, topLeft, image);
}

void TVoSpeedButton::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paintButton(painter);
}

void TVoSpeedButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    tracking_ = true;
    setDown(true);
    emit pressed();
    if (allowTimer_ && tracking_) {
        repeating_ = false;
        timer_->start(initPauseMs_);
    }
}

void TVoSpeedButton::mouseMoveEvent(QMouseEvent* event)
{
    if (tracking_)
        setDown(rect().contains(event->position().toPoint()));
}

void TVoSpeedButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !tracking_) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool over = rect().contains(event->position().toPoint());
    stopTracking();
    if (over)
        click();
}

void TVoSpeedButton::enterEvent(QEnterEvent* /*event*/)
{
    hover_ = true;
    update();
}

void TVoSpeedButton::leaveEvent(QEvent* /*event*/)
{
    hover_ = false;
    update();
}

void TVoSpeedButton::hideEvent(QHideEvent* /*event*/)
{
    stopTracking();
    hover_ = false;
}

void TVoSpeedButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        stopTracking();
    QWidget::changeEvent(event);
}

void TVoSpeedButton::onRepeatTimer()
{
    if (!repeating_) {
        repeating_ = true;
        timer_->start(repeatPauseMs_);
    }
    if (down_)
        click();
}

void TVoSpeedButton::setDown(bool down)
{
    if (down_ == down)
        return;
    down_ = down;
    update();
}

void TVoSpeedButton::stopTracking()
{
    timer_->stop();
    repeating_ = false;
    tracking_ = false;
    setDown(false);
}

} // namespace cyclo
