#pragma once
// The chart surface on any QPainter -- a printer's above all -- drawn in the
// device's own pixels: every fill and line is a rectangle of whole device
// pixels, so on paper a curve takes one step per printer dot, and the texts
// are the device's own text, as sharp as the words beside the chart.

#include "chart/ChartSurface.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPoint>
#include <QRect>

namespace cyclo {

class PrintChartSurface final : public ChartSurface
{
public:
    // The surface covers `area` of the painter's device, in device pixels;
    // its pixel (0, 0) is the area's top-left one and nothing is drawn
    // outside the area. The painter must stay open while the surface lives;
    // its state is restored when the surface goes.
    PrintChartSurface(QPainter& painter, QRect area);
    ~PrintChartSurface() override;
    PrintChartSurface(const PrintChartSurface&) = delete;
    PrintChartSurface& operator=(const PrintChartSurface&) = delete;

    [[nodiscard]] int width() const override { return area_.width(); }
    [[nodiscard]] int height() const override { return area_.height(); }
    void setScale(double scale) override;
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
    // Fills surface pixels left .. right-1, top .. bottom-1.
    void fill(int left, int top, int right, int bottom, const QColor& colour);

    QPainter& painter_;
    QRect area_;
    QFont font_;
    QFontMetrics metrics_;
    QColor brush_;
    bool brushClear_ = false;
    QColor pen_;
    int penWidth_ = 1;
    QPoint position_;
};

} // namespace cyclo
