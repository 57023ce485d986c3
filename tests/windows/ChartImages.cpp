#include "windows/ChartImages.h"

#include "chart/MonthChart.h"
#include "chart/QtChartSurface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace cyclo::test {

namespace {

// The chart window's paint area at its design size.
constexpr QSize kPaintArea{418, 283};

// Draws on a Qt chart surface and notes where each text's cell lies.
class TextNotingSurface final : public ChartSurface
{
public:
    explicit TextNotingSurface(QtChartSurface& surface) : surface_(surface) {}

    [[nodiscard]] const std::vector<QRect>& textCells() const { return cells_; }

    [[nodiscard]] int width() const override { return surface_.width(); }
    [[nodiscard]] int height() const override { return surface_.height(); }
    void setScale(double scale) override { surface_.setScale(scale); }
    void setSolidBrush(Rgb colour) override { surface_.setSolidBrush(colour); }
    void setClearBrush() override { surface_.setClearBrush(); }
    void setPenColour(Rgb colour) override { surface_.setPenColour(colour); }
    void setPenWidth(int width) override { surface_.setPenWidth(width); }
    void fillRect(int left, int top, int right, int bottom) override
    {
        surface_.fillRect(left, top, right, bottom);
    }
    void frameRect(int left, int top, int right, int bottom) override
    {
        surface_.frameRect(left, top, right, bottom);
    }
    void moveTo(int x, int y) override { surface_.moveTo(x, y); }
    void lineTo(int x, int y) override { surface_.lineTo(x, y); }
    void textOut(int x, int y, std::string_view text) override
    {
        cells_.emplace_back(x, y, surface_.textWidth(text), surface_.textHeight(text));
        surface_.textOut(x, y, text);
    }
    [[nodiscard]] int textWidth(std::string_view text) override { return surface_.textWidth(text); }
    [[nodiscard]] int textHeight(std::string_view text) override
    {
        return surface_.textHeight(text);
    }

private:
    QtChartSurface& surface_;
    std::vector<QRect> cells_;
};

} // namespace

ChartImage LinuxChart(const TYmd& birth, const TYmd& view, double scale)
{
    const QSize size(static_cast<int>(std::ceil(kPaintArea.width() * scale)),
                     static_cast<int>(std::ceil(kPaintArea.height() * scale)));
    QtChartSurface surface(size);
    TextNotingSurface noting(surface);
    ChartState state;
    state.ChartBirth = birth;
    state.ChartView = view;
    DrawChart(noting, state, scale);

    ChartImage chart;
    chart.pixels = surface.image().convertToFormat(QImage::Format_RGB32);
    chart.pixels.setDevicePixelRatio(1.0);
    chart.textMask = QImage(size, QImage::Format_Grayscale8);
    chart.textMask.fill(0);
    QPainter painter(&chart.textMask);
    for (const QRect& cell : noting.textCells()) {
        // Another system's glyphs for the same text: a few pixels wider or
        // narrower (centred texts grow both ways), a little taller or lower.
        const int across = std::max(static_cast<int>(std::lround(4 * scale)), cell.width() / 3);
        const int down = std::max(static_cast<int>(std::lround(2 * scale)), cell.height() / 4);
        painter.fillRect(cell.adjusted(-across, -down, across, down), Qt::white);
    }
    return chart;
}

ChartMatch FindChart(const QImage& picture, const ChartImage& chart)
{
    ChartMatch match;
    const QImage& expected = chart.pixels;
    if (picture.width() < expected.width() || picture.height() < expected.height())
        return match;

    // The compared pixels, and a spread sample of them that rules most
    // places out after a pixel or two.
    std::vector<QPoint> compared;
    for (int y = 0; y < expected.height(); ++y) {
        const uchar* mask = chart.textMask.constScanLine(y);
        for (int x = 0; x < expected.width(); ++x)
            if (mask[x] == 0)
                compared.emplace_back(x, y);
    }
    match.comparedPixels = static_cast<long>(compared.size());
    std::vector<QPoint> sample;
    const std::size_t step = std::max<std::size_t>(1, compared.size() / 400);
    for (std::size_t i = 0; i < compared.size(); i += step)
        sample.push_back(compared[i]);

    auto differing = [&](const std::vector<QPoint>& points, int left, int top) {
        long count = 0;
        for (const QPoint& p : points)
            if (picture.pixel(left + p.x(), top + p.y()) != expected.pixel(p))
                ++count;
        return count;
    };
    match.bestDifferences = match.comparedPixels + 1;
    for (int top = 0; top + expected.height() <= picture.height(); ++top) {
        for (int left = 0; left + expected.width() <= picture.width(); ++left) {
            // The sample's count, scaled up, estimates the whole count.
            long differences = differing(sample, left, top) * static_cast<long>(step);
            if (differences == 0)
                differences = differing(compared, left, top);
            if (differences < match.bestDifferences) {
                match.bestDifferences = differences;
                match.best = QPoint(left, top);
            }
            if (differences == 0) {
                match.found = true;
                match.at = match.best;
                return match;
            }
        }
    }
    return match;
}

} // namespace cyclo::test
