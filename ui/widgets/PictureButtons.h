#pragma once
// The windows' buttons with a picture: made in one way, named, with their
// hint and place, the picture at the size the picture list gives it.

#include "assets/PictureList.h"

#include <QRect>

class QDialog;
class QPushButton;
class QWidget;

namespace cyclo {

class GlyphButton;

struct PictureButton
{
    // The object name, the design's control name ("NeuBtn").
    const char* name;
    ButtonPicture picture;
    const char* caption;
    QRect geometry;
    // The hint (tooltip); none when null.
    const char* hint = nullptr;
};

// The picture above the caption: the bands of buttons.
[[nodiscard]] GlyphButton* MakeGlyphButton(QWidget* parent, const PictureButton& button);
// The picture beside the caption: the dialogs' buttons.
[[nodiscard]] QPushButton* MakePictureButton(QWidget* parent, const PictureButton& button);

// "OK" with the check-mark picture, the dialog's default button (Enter).
// The caller connects what it does.
[[nodiscard]] QPushButton* MakeOkButton(QWidget* parent, const QRect& geometry);
// "&Cancel" with the cross picture; it rejects `dialog`, as Esc and the close
// box do.
QPushButton* MakeCancelButton(QDialog* dialog, const QRect& geometry);

} // namespace cyclo
