#pragma once
// What the Qt chart surfaces share, and the chart window and its printed page
// with them: the chart's text font, its 96-dpi layout resolution and
// the crossing from the core's texts and colours to Qt's.

#include "calendar/Cycles.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <string_view>

namespace cyclo {

// The chart's text font; fontconfig (or the program's substitution) picks the
// nearest sans serif face where this one is missing.
inline constexpr const char* kChartFontFamily = "MS Sans Serif";
inline constexpr int kChartFontPointSize = 8;

// The chart is laid out in pixels for 96 dots per inch, where 8 points are
// 11 pixels; a drawing at scale r has 96 x r dots per inch.
inline constexpr double kLayoutDpi = 96.0;
inline constexpr int kDotsPerMeter96Dpi = 3780;

// Texts are in the window-text colour of the classic scheme, so the chart's
// colours stay the same whatever style the desktop has.
inline constexpr Rgb kWindowTextColour{0, 0, 0};

[[nodiscard]] inline QColor toQColor(Rgb colour)
{
    return {colour.red, colour.green, colour.blue};
}

[[nodiscard]] inline QRgb toQRgb(Rgb colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

[[nodiscard]] inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The chart font without anti-aliasing: the chart has none anywhere.
[[nodiscard]] inline QFont ChartFont()
{
    QFont font(QString::fromLatin1(kChartFontFamily));
    font.setPointSize(kChartFontPointSize);
    font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    return font;
}

// The 1-pixel outline of ChartSurface::frameRect as four fills of
// fill(left, top, right, bottom), right column and bottom row excluded.
template <typename Fill> void FrameWithFills(int left, int top, int right, int bottom, Fill&& fill)
{
    if (right <= left || bottom <= top)
        return;
    fill(left, top, right, top + 1);
    fill(left, bottom - 1, right, bottom);
    fill(left, top, left + 1, bottom);
    fill(right - 1, top, right, bottom);
}

} // namespace cyclo
