#pragma once
// The program's pictures, compiled in from assets/assets.qrc: button pictures
// with their disabled twins, the main window's picture, the program icon and
// the date field's button picture.

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

    // Resource path of a button picture, normal or disabled image.
    static QString buttonPicturePath(ButtonPicture picture, bool disabled = false);
    // The picture as an icon whose Disabled mode shows the disabled twin.
    static QIcon buttonIcon(ButtonPicture picture);

    // 168 x 312, beside the person list.
    static QPixmap mainPicture();
    // 32 x 32, the window icon of every window.
    static QIcon programIcon();
    static QPixmap programIconPixmap();
    // 28 x 12: the date field's calendar sheet, normal image left, disabled
    // image right; fuchsia (255, 0, 255) marks the transparent pixels.
    static QPixmap dateEditPicture();
};

} // namespace cyclo
