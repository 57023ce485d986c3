#pragma once
// The chart surface on a Qt raster image (RGB32), with the pixel conventions
// of ChartSurface reproduced exactly and no anti-aliasing anywhere, text
// included. The chart window keeps one as its bitmap, sized in the screen's
// device pixels, and copies image() to the screen in one operation; the
// image's device pixel ratio is the drawing's scale.

#include "chart/ChartSurface.h"
#include "chart/DeferredFills.h"
#include "chart/QtChartStyle.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace cyclo {

// Whether a line runs at least as far across as down.
[[nodiscard]] inline bool IsXMajor(QPoint from, QPoint to)
{
    return std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
}

// Qt draws both end points of a line with a thin square-cap pen; clipped to
// this box -- the line's bounding box less the end point's column (or row)
// along the major axis -- it draws the line without its end point.
[[nodiscard]] QRect LineBoxWithoutEndPoint(QPoint from, QPoint to);

class QtChartSurface final : public ChartSurface
{
public:
    // A white bitmap of the given size with a black 1-pixel pen and a solid
    // white brush. Needs a QGuiApplication for the font.
    explicit QtChartSurface(QSize size = {});
    // The waiting fills know the surface by its address.
    QtChartSurface(const QtChartSurface&) = delete;
    QtChartSurface& operator=(const QtChartSurface&) = delete;

    // Gives the bitmap a new size in device pixels, white all over; the same
    // size keeps the bitmap as it is.
    void resize(QSize size);

    // The bitmap with everything drawn so far.
    [[nodiscard]] const QImage& image();
    [[nodiscard]] const QFont& font() const { return font_; }

    [[nodiscard]] int width() const override { return width_; }
    [[nodiscard]] int height() const override { return height_; }
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
    // A text as Qt renders it at the origin: its width and the pixels its
    // glyphs cover, relative to the top-left corner of its cell.
    struct RenderedText
    {
        struct Pixel
        {
            std::int16_t dx;
            std::int16_t dy;
            QRgb colour;
        };
        int width = 0;
        int inkTop = 0;    // rows the pixels reach, relative to the cell's top
        int inkBottom = 0; // (exclusive)
        std::vector<Pixel> pixels;
    };

    // One-pixel steps to the right on one row, not yet written.
    struct FlatRun
    {
        int left;
        int right; // the position after the last step: pixels left .. right-1
        int y;
        QRgb colour;
        int thickness;
    };

    const RenderedText& rendered(std::string_view text);
    [[nodiscard]] RasterRows pixels();
    void fillPixels(int left, int top, int right, int bottom, QRgb colour)
    {
        fills_.fill(left, top, right, bottom, colour);
    }
    void writeFlatRun();
    void drawThinLine(QPoint from, QPoint to, int thickness);
    void drawLineWithPainter(QPoint from, QPoint to, int thickness);

    QImage image_;
    double scale_ = 1.0;
    int dotsPerMeter_ = kDotsPerMeter96Dpi;
    QFont font_;
    QFontMetrics metrics_;
    int width_;  // the bitmap's, kept at hand for every
    int height_; // clipping of every pixel run
    QRgb brush_;
    bool brushClear_ = false;
    QRgb pen_;
    int penWidth_ = 1;
    QPoint position_;
    // Written before anything else is drawn or the bitmap is handed out.
    std::optional<FlatRun> flatRun_;
    // Fills wait to be written to the bitmap row by row; whatever draws
    // pixels itself settles its rows first.
    DeferredFills fills_;
    // The chart draws the same few dozen labels at every redraw.
    std::map<std::string, RenderedText, std::less<>> texts_;
};

} // namespace cyclo
