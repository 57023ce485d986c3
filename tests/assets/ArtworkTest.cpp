// Every picture exists at 1x and, drawn at double resolution, at 2x; the icons
// carry both and hand out the 2x picture to a device of ratio 2.

#include "assets/Artwork.h"

#include "assets/PictureChecks.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QStyle>
#include <gtest/gtest.h>
#include <ostream>
#include <string_view>

namespace cyclo {

// Found by GoogleTest beside ListedPicture, to name the picture of a case.
void PrintTo(const ListedPicture& picture, std::ostream* out);
void PrintTo(const ListedPicture& picture, std::ostream* out)
{
    *out << picture.name;
}

namespace {

using Picture = ListedPicture;

// Pictures are painted from premultiplied pixels, so they are compared as
// such: a colour under a nearly transparent alpha is not kept exactly.
QImage argb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A drawing as draw_artwork.py wrote it.
QImage drawnFile(std::string_view file)
{
    return QImage(QStringLiteral(CYCLO_ASSETS_DIR "/images/") +
                  QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size())));
}

class ArtworkTest : public testing::TestWithParam<Picture>
{
};

TEST_P(ArtworkTest, ExistsAtOneAndTwoTimesWithExactlyDoubleSize)
{
    const Picture& picture = GetParam();
    const QImage one = Artwork::drawing(picture.name, 1);
    const QImage two = Artwork::drawing(picture.name, 2);
    ASSERT_FALSE(one.isNull());
    ASSERT_FALSE(two.isNull());
    EXPECT_EQ(one.size(), QSize(picture.width, picture.height));
    EXPECT_EQ(two.size(), QSize(2 * picture.width, 2 * picture.height));
    EXPECT_DOUBLE_EQ(one.devicePixelRatio(), 1.0);
    EXPECT_DOUBLE_EQ(two.devicePixelRatio(), 2.0);
}

// The compiled-in pixels are the drawings, colour for colour and alpha for
// alpha; a fault in the packing (byte order, premultiplication, a row
// shifted) shows here.
TEST_P(ArtworkTest, ThePixelsAreThoseOfTheDrawnFiles)
{
    const Picture& picture = GetParam();
    const QImage oneFile = drawnFile(picture.file);
    const QImage twoFile = drawnFile(picture.twoTimesFile);
    ASSERT_FALSE(oneFile.isNull());
    ASSERT_FALSE(twoFile.isNull());
    EXPECT_EQ(argb(Artwork::drawing(picture.name, 1)), argb(oneFile));
    QImage two = argb(Artwork::drawing(picture.name, 2));
    two.setDevicePixelRatio(1.0);
    EXPECT_EQ(two, argb(twoFile));
}

TEST_P(ArtworkTest, TheTwoTimesPictureIsDrawnNotEnlarged)
{
    // Every picture has curves or slanted edges; drawn at 2x they fall on
    // single device pixels somewhere, where an enlarged picture has none.
    EXPECT_GE(test::mixedBlocks(Artwork::drawing(GetParam().name, 2)), 4);
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, ArtworkTest, testing::ValuesIn(kPictureList));

TEST(ArtworkNamesTest, UnknownNamesAndScalesGiveNoPicture)
{
    EXPECT_TRUE(Artwork::drawing("buttons/nothing", 1).isNull());
    EXPECT_TRUE(Artwork::drawing("main-picture", 3).isNull());
    EXPECT_TRUE(Artwork::drawing("", 1).isNull());
    EXPECT_EQ(Artwork::buttonPictureName(ButtonPicture::AboutBiorhythm, true),
              "buttons/about-biorhythm-disabled");
}

TEST(ArtworkRatioTest, PixmapsComeAtTheRatioAskedFor)
{
    const QPixmap one = Artwork::mainPicture(1.0);
    const QPixmap two = Artwork::mainPicture(2.0);
    EXPECT_EQ(one.size(), QSize(168, 312));
    EXPECT_EQ(two.size(), QSize(336, 624));
    EXPECT_DOUBLE_EQ(two.devicePixelRatio(), 2.0);
    EXPECT_EQ(two.deviceIndependentSize(), QSizeF(168, 312));
    EXPECT_EQ(Artwork::dateEditPicture().size(), QSize(28, 12));
    EXPECT_EQ(Artwork::dateEditPicture(2.0).size(), QSize(56, 24));
    EXPECT_EQ(Artwork::programIconPixmap(2.0).size(), QSize(64, 64));
}

TEST(ArtworkRatioTest, ButtonIconsHandOutTheTwoTimesPictureAtRatioTwo)
{
    const QIcon icon = Artwork::buttonIcon(ButtonPicture::Print);
    const struct
    {
        qreal ratio;
        QIcon::Mode mode;
        const char* file;
    } cases[] = {
        {2.0, QIcon::Normal, "buttons/print@2x.png"},
        {2.0, QIcon::Disabled, "buttons/print-disabled@2x.png"},
        {1.0, QIcon::Normal, "buttons/print.png"},
        {1.0, QIcon::Disabled, "buttons/print-disabled.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        QImage shown = argb(icon.pixmap(QSize(16, 16), c.ratio, c.mode).toImage());
        EXPECT_DOUBLE_EQ(shown.devicePixelRatio(), c.ratio);
        shown.setDevicePixelRatio(1.0);
        EXPECT_EQ(shown, argb(drawnFile(c.file)));
    }
}

TEST(ArtworkRatioTest, TheProgramIconHandsOutTheSixtyFourPixelDrawingAtRatioTwo)
{
    const QImage shown = Artwork::programIcon().pixmap(QSize(32, 32), 2.0).toImage();
    EXPECT_EQ(shown.size(), QSize(64, 64));
    EXPECT_GE(test::mixedBlocks(shown), 8);
}

// The month calendar takes its arrows from the style, which looks them up in
// the current icon theme first.
TEST(ArtworkIconThemeTest, TheStylesArrowsAreTheProgramsDrawingsAtBothRatios)
{
    Artwork::installIconTheme();
    const struct
    {
        QStyle::StandardPixmap arrow;
        qreal ratio;
        const char* file;
    } cases[] = {
        {QStyle::SP_ArrowLeft, 1.0, "theme/16x16/go-previous.png"},
        {QStyle::SP_ArrowRight, 1.0, "theme/16x16/go-next.png"},
        {QStyle::SP_ArrowLeft, 2.0, "theme/16x16@2/go-previous.png"},
        {QStyle::SP_ArrowRight, 2.0, "theme/16x16@2/go-next.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QIcon icon = QApplication::style()->standardIcon(c.arrow);
        QImage shown = argb(icon.pixmap(QSize(16, 16), c.ratio).toImage());
        shown.setDevicePixelRatio(1.0);
        EXPECT_EQ(shown, argb(drawnFile(c.file)));
    }
    // Icons the theme does not have stay Qt's own.
    EXPECT_FALSE(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning).isNull());
}

// The icon theme's sizes and the Windows icon, as the package and the Windows
// build install them.
TEST(ProgramIconFilesTest, EveryThemeSizeIsDrawnAtItsSize)
{
    for (const int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(side);
        const QImage icon(
            QStringLiteral(CYCLO_ASSETS_DIR "/images/icon/cyclograph-%1.png").arg(side));
        EXPECT_EQ(icon.size(), QSize(side, side));
    }
    QFile ico(QStringLiteral(CYCLO_ASSETS_DIR "/images/icon/cyclograph.ico"));
    ASSERT_TRUE(ico.open(QIODevice::ReadOnly));
    const QByteArray header = ico.read(6);
    ASSERT_EQ(header.size(), 6);
    // reserved 0, type 1 (icon), then the number of images
    EXPECT_EQ(header.left(4), QByteArray("\0\0\1\0", 4));
    EXPECT_EQ(static_cast<unsigned char>(header[4]), 7U);
}

} // namespace
} // namespace cyclo
