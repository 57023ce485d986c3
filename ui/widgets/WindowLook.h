#pragma once
// The windows' look values, each written once: the fonts the layouts name,
// the panel colour, the status bar, the size of the band buttons, and the
// headings that the chart window and its printed page share.

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>

namespace cyclo {

// A font by family, points and weight, as the layouts name them.
[[nodiscard]] inline QFont NamedFont(const char* family, int points, bool bold)
{
    QFont font(QString::fromLatin1(family), points);
    font.setBold(bold);
    return font;
}

// "MS Sans Serif", 8 points: the font of every control that names no other.
[[nodiscard]] inline QFont FormFont()
{
    return NamedFont("MS Sans Serif", 8, false);
}

// The warm ground of the main window's picture text and the information box.
inline constexpr QColor kPanelColour(240, 202, 166);

// The status bar along the foot of the main window and the chart window.
inline constexpr int kStatusBarHeight = 19;

// The picture-above-caption buttons of the main window's list and the chart
// window's tool band.
inline constexpr QSize kBandButtonSize(81, 49);

// A heading: its font and its colour.
struct HeadingLook
{
    const char* family;
    int points;
    QColor colour;

    [[nodiscard]] QFont font() const { return NamedFont(family, points, true); }
};

inline constexpr QColor kNavy(0, 0, 128);
inline constexpr QColor kMaroon(128, 0, 0);

// The chart window's and its printed page's headings: the person's line, the
// viewed date; and the chart window's day of life.
inline constexpr HeadingLook kPersonHeading{"Times New Roman", 16, kNavy};
inline constexpr HeadingLook kDateHeading{"Times New Roman", 18, kMaroon};
inline constexpr HeadingLook kDayOfLifeHeading{"Times New Roman", 12, kNavy};

// The comparison's result lines, in the result dialog and on its printed page.
[[nodiscard]] inline QFont ResultLineFont()
{
    return NamedFont("Times New Roman", 16, true);
}

} // namespace cyclo
