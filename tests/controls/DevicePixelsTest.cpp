// The custom-painted controls at screen scales of 100 % to 200 %: a line one
// unit thick is round(r) device pixels, starts on a whole device pixel and
// has no blended edge; at 100 % every pixel is as it always was.

#include "controls/EditButton.h"
#include "controls/ShadowLabel.h"
#include "controls/VoSpeedButton.h"
#include "support/RenderAt.h"

#include <QImage>
#include <QPalette>
#include <gtest/gtest.h>
#include <set>

namespace cyclo {
namespace {

using test::renderAt;

// The screen scales checked, with the line width each must give: 1.25
// rounds down to one device pixel, 1.5 and 1.75 up to two.
struct Scale
{
    qreal ratio;
    int line;
};
constexpr Scale kScales[] = {{1.0, 1}, {1.25, 1}, {1.5, 2}, {1.75, 2}, {2.0, 2}};

const QColor kFace(192, 192, 192);
const QColor kLight(255, 255, 255);
const QColor kMidlight(224, 224, 224);
const QColor kDark(128, 128, 128);
const QColor kShadow(0, 0, 0);

QPalette bevelPalette()
{
    QPalette p;
    p.setColor(QPalette::Button, kFace);
    p.setColor(QPalette::Light, kLight);
    p.setColor(QPalette::Midlight, kMidlight);
    p.setColor(QPalette::Dark, kDark);
    p.setColor(QPalette::Shadow, kShadow);
    return p;
}

QColor at(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

std::set<QRgb> coloursOf(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

TEST(DevicePixelsTest, SpeedButtonBevelLinesAreRoundRDevicePixelsAndUnblended)
{
    TVoSpeedButton button;
    button.setPalette(bevelPalette());
    button.resize(21, 21);
    for (const Scale s : kScales) {
        SCOPED_TRACE(s.ratio);
        const QImage image = renderAt(button, s.ratio);
        const int h = image.height();
        const int w = image.width();
        const int mid = w / 2;
        const int t = s.line;
        // Down the middle column: outer light, inner midlight, face, inner
        // dark, outer shadow, each line t pixels.
        for (int y = 0; y < t; ++y) {
            EXPECT_EQ(at(image, mid, y), kLight) << "row " << y;
            EXPECT_EQ(at(image, mid, t + y), kMidlight) << "row " << t + y;
            EXPECT_EQ(at(image, mid, h - 2 * t + y), kDark) << "row " << h - 2 * t + y;
            EXPECT_EQ(at(image, mid, h - t + y), kShadow) << "row " << h - t + y;
            EXPECT_EQ(at(image, y, h / 2), kLight) << "column " << y;
            EXPECT_EQ(at(image, w - t + y, h / 2), kShadow) << "column " << w - t + y;
        }
        EXPECT_EQ(at(image, mid, 2 * t), kFace);
        EXPECT_EQ(at(image, mid, h - 2 * t - 1), kFace);
        EXPECT_EQ(coloursOf(image), (std::set<QRgb>{kFace.rgb(), kLight.rgb(), kMidlight.rgb(),
                                                    kDark.rgb(), kShadow.rgb()}))
            << "no blended pixel, nothing left unpainted";
    }
}

TEST(DevicePixelsTest, DateButtonEdgeLinesAreRoundRDevicePixels)
{
    TEditButton button;
    button.setPalette(bevelPalette());
    button.resize(21, 17);
    for (const Scale s : kScales) {
        SCOPED_TRACE(s.ratio);
        const QImage image = renderAt(button, s.ratio);
        const int h = image.height();
        const int t = s.line;
        for (int x = 0; x < t; ++x) {
            // Column 0 in the face colour from the top to t above the bottom.
            EXPECT_EQ(at(image, x, 0), kFace);
            EXPECT_EQ(at(image, x, h - t - 1), kFace);
            EXPECT_EQ(at(image, x, h - t), kShadow) << "the bevel's bottom line stays";
            // Column 1 in the highlight colour from row 1 to row h - 3.
            EXPECT_EQ(at(image, t + x, t - 1), kLight) << "the bevel's top line";
            EXPECT_EQ(at(image, t + x, t), kLight);
            EXPECT_EQ(at(image, t + x, h - 2 * t - 1), kLight);
            EXPECT_EQ(at(image, t + x, h - 2 * t), kDark) << "the inner bottom line stays";
        }
        EXPECT_EQ(at(image, 2 * t, h / 2), kFace) << "the face starts after both lines";
    }
}

TEST(DevicePixelsTest, ShadowIsTheCaptionMovedByWholeDevicePixels)
{
    ShadowLabel label(QStringLiteral("Quellant"));
    label.setFont(QFont(QStringLiteral("Liberation Sans"), 10, QFont::Bold));
    label.setShadowPos(ShadowLabel::ShadowPosition::spRightBottom);
    label.move(3, 5);
    QPalette p = label.palette();
    p.setColor(QPalette::Window, Qt::white);
    label.setPalette(p);
    const QColor ink(0, 0, 0);
    for (const Scale s : kScales) {
        SCOPED_TRACE(s.ratio);
        // Once only the shadow, once only the caption, both in black.
        label.setTextColor(Qt::transparent);
        label.setShadowColor(ink);
        const QImage shadowOnly = renderAt(label, s.ratio);
        label.setTextColor(ink);
        label.setShadowColor(Qt::transparent);
        const QImage captionOnly = renderAt(label, s.ratio);

        const int d = s.line; // a shadow of one unit
        int inked = 0;
        for (int y = 0; y + d < captionOnly.height(); ++y)
            for (int x = 0; x + d < captionOnly.width(); ++x) {
                ASSERT_EQ(captionOnly.pixel(x, y), shadowOnly.pixel(x + d, y + d))
                    << "at " << x << ", " << y;
                inked += captionOnly.pixel(x, y) != qRgb(255, 255, 255) ? 1 : 0;
            }
        EXPECT_GT(inked, 20);
    }
}

} // namespace
} // namespace cyclo
