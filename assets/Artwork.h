#pragma once
// The program's pictures, their pixels compiled in (assets/PackedPictures.h):
// button pictures with their disabled twins, the main window's picture, the
// program icon and the date field's button picture. Each exists at 1x and at
// 2x, drawn at double resolution; icons carry both and Qt picks the one for
// the device, pixmaps are chosen here for a device pixel ratio. Nothing is
// decoded: a picture costs a copy of its pixels.

#include "assets/PictureList.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <string_view>

namespace cyclo {

class Artwork
{
public:
    // The drawing called `name` ("main-picture", "buttons/print-disabled",
    // "icon/cyclograph-32", "dateedit/DEDITBMP") at `scale` device pixels per
    // unit, 1 or 2, with that device pixel ratio; a null image for any other.
    // The image shares the compiled-in pixels.
    static QImage drawing(std::string_view name, int scale);
    // The name of a button picture's drawing, normal or disabled.
    static std::string_view buttonPictureName(ButtonPicture picture, bool disabled = false);

    // Makes the program's icon theme current: the month calendar's arrows
    // are the program's own drawings, at 1x and 2x; every other standard
    // icon (the message boxes' symbols) is Qt's built-in one, the same on
    // every desktop. Call once the application object exists.
    static void installIconTheme();

    // A drawing's size in device-independent pixels, as the picture list
    // gives it; an empty size for a name it lacks.
    static QSize pictureSize(std::string_view name);
    // The size a button shows its picture at.
    static QSize buttonPictureSize(ButtonPicture picture);
    // The size of the main window's picture.
    static QSize mainPictureSize();

    // The picture as an icon whose Disabled mode shows the disabled twin, at
    // 1x and 2x.
    static QIcon buttonIcon(ButtonPicture picture);

    // The highest device pixel ratio of the screens: pixmaps chosen for it are
    // sharp there.
    static qreal screenRatio();

    // 168 x 312 device-independent pixels, beside the person list.
    static QPixmap mainPicture(qreal devicePixelRatio = screenRatio());
    // 32 x 32 (and 16 x 16 for small title bars), the window icon of every
    // window.
    static QIcon programIcon();
    static QPixmap programIconPixmap(qreal devicePixelRatio = screenRatio());
    // 28 x 12: the date field's calendar sheet, normal image left, disabled
    // image right; fuchsia (255, 0, 255) marks the transparent pixels. The
    // field measures its button from the picture, so the 2x picture (56 x 24
    // device pixels) comes only when asked for.
    static QPixmap dateEditPicture(qreal devicePixelRatio = 1.0);
};

} // namespace cyclo
