#pragma once
// Pixel checks shared by the picture tests.

#include <QImage>

namespace cyclo::test {

// The number of 2 x 2 blocks, aligned at even coordinates, whose four pixels
// are not all the same. A 1x picture enlarged to 2x has none.
inline int mixedBlocks(const QImage& picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    int mixed = 0;
    for (int y = 0; y + 1 < image.height(); y += 2) {
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb p = image.pixel(x, y);
            if (image.pixel(x + 1, y) != p || image.pixel(x, y + 1) != p ||
                image.pixel(x + 1, y + 1) != p)
                ++mixed;
        }
    }
    return mixed;
}

} // namespace cyclo::test
