#pragma once
// The program's pictures, compiled in from assets/assets.qrc: button pictures
// with their disabled twins, the main window's picture, the program icon and
// the date field's button picture. Each exists at 1x and at 2x ("name@2x.png",
// drawn at double resolution); icons carry both and Qt picks the one for the
// device, pixmaps are chosen here for a device pixel ratio.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace cyclo {

// Every button picture the windows use. The 16 x 16 pictures come first; Ok
// (a check mark) and Cancel (a cross) are 18 x 18.
enum class ButtonPicture
{
    New,
    Delete,
    Analyze,
    Compare,
    AboutProgram,
    AboutBiorhythm,
    Back,
    Print,
    Ok,
    Cancel,
};

class Artwork
{
public:
    // Registers the compiled-in resources; cheap after the first call. The
    // functions below call it, so only code that opens ":/cyclo/..." paths
    // directly needs it.
    static void initResources();

    // Resource path of a button picture, normal or disabled image, at 1x; the
    // 2x picture has "@2x" before ".png".
    static QString buttonPicturePath(ButtonPicture picture, bool disabled = false);
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
