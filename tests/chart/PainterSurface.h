#pragma once
// The chart surface done the plain way: every operation a QPainter call on a
// QImage, with Qt's pixel rules turned into the surface's conventions where
// they differ. Slow, but obviously right; the tests hold the fast surface to
// the same pixels.

#include "chart/ChartSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRegion>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace cyclo::test {

class PainterSurface final : public ChartSurface
{
public:
    static constexpr int kDotsPerMeterAtScaleOne = 3780; // 96 dots per inch

    PainterSurface(QSize size, const QFont& font, int dotsPerMeter)
        : image_(size, QImage::Format_RGB32), font_(font)
    {
        image_.setDotsPerMeterX(dotsPerMeter);
        image_.setDotsPerMeterY(dotsPerMeter);
        image_.fill(Qt::white);
    }

    [[nodiscard]] const QImage& image() const { return image_; }

    [[nodiscard]] int width() const override { return image_.width(); }
    [[nodiscard]] int height() const override { return image_.height(); }
    // The font's points grow with the image's dots per inch.
    void setScale(double scale) override
    {
        const int dotsPerMeter = static_cast<int>(std::lround(kDotsPerMeterAtScaleOne * scale));
        image_.setDotsPerMeterX(dotsPerMeter);
        image_.setDotsPerMeterY(dotsPerMeter);
    }
    void setSolidBrush(Rgb colour) override
    {
        brush_ = QColor(colour.red, colour.green, colour.blue);
        brushClear_ = false;
    }
    void setClearBrush() override { brushClear_ = true; }
    void setPenColour(Rgb colour) override { pen_ = QColor(colour.red, colour.green, colour.blue); }
    void setPenWidth(int width) override { penWidth_ = std::max(width, 1); }

    void fillRect(int left, int top, int right, int bottom) override
    {
        if (brushClear_ || right <= left || bottom <= top)
            return;
        QPainter painter(&image_);
        painter.fillRect(QRect(left, top, right - left, bottom - top), brush_);
    }

    // Qt's outline of a rectangle is one pixel larger than the rectangle.
    // Where the bitmap's edge cuts the outline Qt leaves out its bottom-right
    // corner, so such a frame is drawn as its four sides.
    void frameRect(int left, int top, int right, int bottom) override
    {
        if (right - left < 2 || bottom - top < 2)
            return;
        QPainter painter(&image_);
        if (image_.rect().contains(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)))) {
            painter.setPen(thinPen());
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
            return;
        }
        painter.fillRect(QRect(left, top, right - left, 1), pen_);
        painter.fillRect(QRect(left, bottom - 1, right - left, 1), pen_);
        painter.fillRect(QRect(left, top, 1, bottom - top), pen_);
        painter.fillRect(QRect(right - 1, top, 1, bottom - top), pen_);
    }

    void moveTo(int x, int y) override { position_ = QPoint(x, y); }

    // Qt draws both end points; a clip of everything but the end point's
    // column (or row, for a line running more down than across) leaves the
    // end out. A wide pen repeats the line across that axis.
    void lineTo(int x, int y) override
    {
        const QPoint from = position_;
        const QPoint to(x, y);
        position_ = to;
        if (from == to)
            return;
        const bool xMajor = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
        const QRect endLine =
            xMajor ? QRect(to.x(), 0, 1, image_.height()) : QRect(0, to.y(), image_.width(), 1);
        QPainter painter(&image_);
        painter.setPen(thinPen());
        painter.setClipRegion(QRegion(image_.rect()).subtracted(endLine));
        for (int shift = -(penWidth_ - 1) / 2; shift <= penWidth_ / 2; ++shift) {
            const QPoint offset = xMajor ? QPoint(0, shift) : QPoint(shift, 0);
            painter.drawLine(from + offset, to + offset);
        }
    }

    void textOut(int x, int y, std::string_view text) override
    {
        const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        QPainter painter(&image_);
        painter.setFont(font_);
        const QFontMetrics metrics = painter.fontMetrics();
        if (!brushClear_)
            painter.fillRect(QRect(x, y, metrics.horizontalAdvance(s), metrics.height()), brush_);
        painter.setPen(Qt::black);
        painter.drawText(QPoint(x, y + metrics.ascent()), s);
    }

    [[nodiscard]] int textWidth(std::string_view text) override
    {
        return QFontMetrics(font_, &image_)
            .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }
    [[nodiscard]] int textHeight(std::string_view) override
    {
        return QFontMetrics(font_, &image_).height();
    }

private:
    [[nodiscard]] QPen thinPen() const
    {
        QPen pen(pen_);
        pen.setWidth(1);
        pen.setCosmetic(true);
        pen.setCapStyle(Qt::SquareCap);
        return pen;
    }

    QImage image_;
    QFont font_;
    QColor brush_ = Qt::white;
    bool brushClear_ = false;
    QColor pen_ = Qt::black;
    int penWidth_ = 1;
    QPoint position_;
};

} // namespace cyclo::test
