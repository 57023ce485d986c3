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

GlyphButton* makeGlyphButton(QWidget* parent, const PictureButton& button)
{
    return make<GlyphButton>(parent, button);
}

QPushButton* makePictureButton(QWidget* parent, const PictureButton& button)
{
    return make<QPushButton>(parent, button);
}

QPushButton* makeOkButton(QWidget* parent, const QRect& geometry)
{
    QPushButton* ok = makePictureButton(parent, {"OkBtn", ButtonPicture::Ok, "OK", geometry});
    ok->setDefault(true);
    return ok;
}

QPushButton* makeCancelButton(QDialog* dialog, const QRect& geometry)
{
    QPushButton* cancel =
        makePictureButton(dialog, {"CancelBtn", ButtonPicture::Cancel, "&Cancel", geometry});
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return cancel;
}

} // namespace cyclo
