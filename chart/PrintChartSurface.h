#pragma once
// A chart surface for paper: the chart is laid out in screen pixels, as on
// the screen, but every pixel becomes a block of scale x scale image pixels
// and the texts are drawn at the same enlarged size, so the printed chart is
// sharp instead of an enlarged screen bitmap.

#include "chart/ChartSurface.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QSize>
#include <memory>

namespace cyclo {

class PrintChartSurface final : public ChartSurface
{
public:
    // A white image of logicalSize * scale pixels (scale at least 1) with a
    // black 1-pixel pen and a solid white brush. Needs a QGuiApplication for
    // the font.
    PrintChartSurface(QSize logicalSize, int scale);
    ~PrintChartSurface() override;
    PrintChartSurface(const PrintChartSurface&) = delete;
    PrintChartSurface& operator=(const PrintChartSurface&) = delete;

    [[nodiscard]] int scale() const { return scale_; }
    // The image with everything drawn so far.
    [[nodiscard]] const QImage& image();

    // The chart's layout size, in screen pixels.
    [[nodiscard]] int width() const override { return logicalSize_.width(); }
    [[nodiscard]] int height() const override { return logicalSize_.height(); }
    void setSolidBrush(Rgb colour) override;
    void setClearBrush() override;
    void setPenColour(Rgb colour) override;
    void setPenWidth(int width) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void frameRect(int left, int top, int right, int bottom) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, std::string_view text) override;
    [[nodiscard]] int textWidth(std::string_view text) override;
    [[nodiscard]] int textHeight(std::string_view text) override;

private:
    QPainter& painter();
    // Fills screen pixels left .. right-1, top .. bottom-1.
    void fillBlock(int left, int top, int right, int bottom, QColor colour);

    QSize logicalSize_;
    int scale_;
    QImage image_;
    std::unique_ptr<QPainter> painter_;
    QFont font_;
    QFontMetrics metrics_;       // at screen size: the layout's measures
    QFontMetrics scaledMetrics_; // at image size: where the glyphs go
    QColor brush_;
    bool brushClear_ = false;
    QColor pen_;
    int penWidth_ = 1;
    QPoint position_;
};

} // namespace cyclo
