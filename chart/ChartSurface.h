#pragma once
// The drawing surface the month chart is rendered on: an off-screen raster
// with a brush, a pen, a text font and the few operations the chart needs.
//
// Pixel conventions (every surface keeps them exactly, the renderer relies on
// them and never thinks about a platform's own rules):
// - Coordinates are whole pixels, (0, 0) is the top-left pixel, x grows to the
//   right and y downwards. Drawing outside the surface is clipped.
// - Rectangles are given as left, top, right, bottom and exclude their right
//   column and bottom row: (l, t, r, b) covers columns l .. r-1, rows t .. b-1.
// - A line from the current position to (x, y) excludes its end point; a
//   series of moveTo/lineTo calls therefore draws every joint exactly once
//   and leaves out only the last point. A pen n pixels wide thickens the line
//   across its major axis, centred on it ((n-1)/2 pixels before, n/2 after);
//   along the major axis it covers the same span as a 1-pixel pen.
// - Text is placed by the top-left corner of its cell, which is
//   textWidth x textHeight pixels, and drawn in the window-text colour. With
//   the clear brush the background shows between the letters; with a solid
//   brush the cell is filled with the brush colour first.

#include "calendar/Cycles.h"

#include <string_view>

namespace cyclo {

class ChartSurface
{
public:
    virtual ~ChartSurface() = default;

    [[nodiscard]] virtual int width() const = 0;
    [[nodiscard]] virtual int height() const = 0;

    // The drawing's scale: device pixels per pixel of the chart's layout.
    // Texts are drawn and measured in the chart font at that scale; every
    // other length is already in device pixels.
    virtual void setScale(double scale) = 0;

    // The brush fills rectangles and, when solid, text cells.
    virtual void setSolidBrush(Rgb colour) = 0;
    virtual void setClearBrush() = 0;

    // The pen draws lines and rectangle outlines.
    virtual void setPenColour(Rgb colour) = 0;
    virtual void setPenWidth(int width) = 0;

    // Fills columns left .. right-1, rows top .. bottom-1 with the brush; the
    // clear brush leaves them as they are.
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    // A 1-pixel outline in the pen colour along columns left and right-1 and
    // rows top and bottom-1; the inside is left as it is.
    virtual void frameRect(int left, int top, int right, int bottom) = 0;

    virtual void moveTo(int x, int y) = 0;
    virtual void lineTo(int x, int y) = 0;

    virtual void textOut(int x, int y, std::string_view text) = 0;
    [[nodiscard]] virtual int textWidth(std::string_view text) = 0;
    [[nodiscard]] virtual int textHeight(std::string_view text) = 0;

protected:
    ChartSurface() = default;
    ChartSurface(const ChartSurface&) = default;
    ChartSurface& operator=(const ChartSurface&) = default;
};

} // namespace cyclo
