// Every picture exists at 1x and, drawn at double resolution, at 2x; the icons
// carry both and hand out the 2x picture to a device of ratio 2.

#include "assets/Artwork.h"

#include "assets/PictureChecks.h"

#include <QFile>
#include <QImage>
#include <gtest/gtest.h>
#include <ostream>

namespace cyclo {
namespace {

struct Picture
{
    const char* path; // the 1x resource
    int width;
    int height;
};

// The pictures the windows show, with their sizes in device-independent pixels.
const Picture kPictures[] = {
    {":/cyclo/main-picture.png", 168, 312},
    {":/cyclo/icon/cyclograph-16.png", 16, 16},
    {":/cyclo/icon/cyclograph-32.png", 32, 32},
    {":/cyclo/dateedit/DEDITBMP.png", 28, 12},
    {":/cyclo/buttons/new.png", 16, 16},
    {":/cyclo/buttons/delete.png", 16, 16},
    {":/cyclo/buttons/analyze.png", 16, 16},
    {":/cyclo/buttons/compare.png", 16, 16},
    {":/cyclo/buttons/about-program.png", 16, 16},
    {":/cyclo/buttons/about-biorhythm.png", 16, 16},
    {":/cyclo/buttons/back.png", 16, 16},
    {":/cyclo/buttons/print.png", 16, 16},
    {":/cyclo/buttons/ok.png", 18, 18},
    {":/cyclo/buttons/cancel.png", 18, 18},
    {":/cyclo/buttons/new-disabled.png", 16, 16},
    {":/cyclo/buttons/delete-disabled.png", 16, 16},
    {":/cyclo/buttons/analyze-disabled.png", 16, 16},
    {":/cyclo/buttons/compare-disabled.png", 16, 16},
    {":/cyclo/buttons/about-program-disabled.png", 16, 16},
    {":/cyclo/buttons/about-biorhythm-disabled.png", 16, 16},
    {":/cyclo/buttons/back-disabled.png", 16, 16},
    {":/cyclo/buttons/print-disabled.png", 16, 16},
    {":/cyclo/buttons/ok-disabled.png", 18, 18},
    {":/cyclo/buttons/cancel-disabled.png", 18, 18},
};

void PrintTo(const Picture& picture, std::ostream* out)
{
    *out << picture.path;
}

QString twoTimes(const char* path)
{
    return QString::fromLatin1(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"));
}

class ArtworkTest : public testing::TestWithParam<Picture>
{
protected:
    void SetUp() override { Artwork::initResources(); }
};

TEST_P(ArtworkTest, ExistsAtOneAndTwoTimesWithExactlyDoubleSize)
{
    const Picture& picture = GetParam();
    const QImage one(QString::fromLatin1(picture.path));
    const QImage two(twoTimes(picture.path));
    ASSERT_FALSE(one.isNull());
    ASSERT_FALSE(two.isNull());
    EXPECT_EQ(one.size(), QSize(picture.width, picture.height));
    EXPECT_EQ(two.size(), QSize(2 * picture.width, 2 * picture.height));
}

TEST_P(ArtworkTest, TheTwoTimesPictureIsDrawnNotEnlarged)
{
    const QImage two(twoTimes(GetParam().path));
    // Every picture has curves or slanted edges; drawn at 2x they fall on
    // single device pixels somewhere, where an enlarged picture has none.
    EXPECT_GE(test::mixedBlocks(two), 4);
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, ArtworkTest, testing::ValuesIn(kPictures));

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
    const QImage expected(QStringLiteral(":/cyclo/buttons/print@2x.png"));
    const QImage expectedDisabled(QStringLiteral(":/cyclo/buttons/print-disabled@2x.png"));
    const QIcon icon = Artwork::buttonIcon(ButtonPicture::Print);
    const QImage shown = icon.pixmap(QSize(16, 16), 2.0).toImage();
    const QImage disabled = icon.pixmap(QSize(16, 16), 2.0, QIcon::Disabled).toImage();
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32),
              expected.convertToFormat(QImage::Format_ARGB32));
    EXPECT_EQ(disabled.convertToFormat(QImage::Format_ARGB32),
              expectedDisabled.convertToFormat(QImage::Format_ARGB32));
    const QImage oneTimes = icon.pixmap(QSize(16, 16), 1.0).toImage();
    EXPECT_EQ(
        oneTimes.convertToFormat(QImage::Format_ARGB32),
        QImage(QStringLiteral(":/cyclo/buttons/print.png")).convertToFormat(QImage::Format_ARGB32));
}

TEST(ArtworkRatioTest, TheProgramIconHandsOutTheSixtyFourPixelDrawingAtRatioTwo)
{
    const QImage shown = Artwork::programIcon().pixmap(QSize(32, 32), 2.0).toImage();
    EXPECT_EQ(shown.size(), QSize(64, 64));
    EXPECT_GE(test::mixedBlocks(shown), 8);
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
