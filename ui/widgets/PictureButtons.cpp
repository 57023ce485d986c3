#include "ui/widgets/PictureButtons.h"

#include "assets/Artwork.h"
#include "ui/widgets/GlyphButton.h"

#include <QDialog>
#include <QPushButton>

namespace cyclo {

namespace {

template <class Button> Button* make(QWidget* parent, const PictureButton& spec)
{
    auto* button =
        new Button(Artwork::buttonIcon(spec.picture), QString::fromLatin1(spec.caption), parent);
    button->setObjectName(QString::fromLatin1(spec.name));
    if (spec.hint != nullptr)
        button->setToolTip(QString::fromLatin1(spec.hint));
    button->setIconSize(Artwork::buttonPictureSize(spec.picture));
    button->setGeometry(spec.geometry);
    return button;
}

} // namespace

GlyphButton* MakeGlyphButton(QWidget* parent, const PictureButton& button)
{
    return make<GlyphButton>(parent, button);
}

QPushButton* MakePictureButton(QWidget* parent, const PictureButton& button)
{
    return make<QPushButton>(parent, button);
}

QPushButton* MakeOkButton(QWidget* parent, const QRect& geometry)
{
    QPushButton* ok = MakePictureButton(parent, {"OkBtn", ButtonPicture::Ok, "OK", geometry});
    ok->setDefault(true);
    return ok;
}

QPushButton* MakeCancelButton(QDialog* dialog, const QRect& geometry)
{
    QPushButton* cancel =
        MakePictureButton(dialog, {"CancelBtn", ButtonPicture::Cancel, "&Cancel", geometry});
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return cancel;
}

} // namespace cyclo
