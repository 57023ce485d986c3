#include "assets/Artwork.h"

#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace. Calling it from here also
// keeps the linker from dropping the resource object out of the static library.
static void initCycloAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace cyclo {

namespace {

const char* pictureName(ButtonPicture picture)
{
    switch (picture) {
    case ButtonPicture::New:
        return "new";
    case ButtonPicture::Delete:
        return "delete";
    case ButtonPicture::Analyze:
        return "analyze";
    case ButtonPicture::Compare:
        return "compare";
    case ButtonPicture::AboutProgram:
        return "about-program";
    case ButtonPicture::AboutBiorhythm:
        return "about-biorhythm";
    case ButtonPicture::Back:
        return "back";
    case ButtonPicture::Print:
        return "print";
    case ButtonPicture::Ok:
        return "ok";
    case ButtonPicture::Cancel:
        return "cancel";
    }
    return "new";
}

} // namespace

void Artwork::initResources()
{
    static std::once_flag once;
    std::call_once(once, [] { initCycloAssets(); });
}

QString Artwork::buttonPicturePath(ButtonPicture picture, bool disabled)
{
    return QStringLiteral(":/cyclo/buttons/%1%2.png")
        .arg(QLatin1String(pictureName(picture)),
             disabled ? QStringLiteral("-disabled") : QString());
}

QIcon Artwork::buttonIcon(ButtonPicture picture)
{
    initResources();
    QIcon icon;
    icon.addFile(buttonPicturePath(picture, false), QSize(), QIcon::Normal);
    icon.addFile(buttonPicturePath(picture, true), QSize(), QIcon::Disabled);
    return icon;
}

QPixmap Artwork::mainPicture()
{
    initResources();
    return QPixmap(QStringLiteral(":/cyclo/main-picture.png"));
}

QIcon Artwork::programIcon()
{
    return QIcon(programIconPixmap());
}

QPixmap Artwork::programIconPixmap()
{
    initResources();
    return QPixmap(QStringLiteral(":/cyclo/icon/cyclograph-32.png"));
}

QPixmap Artwork::dateEditPicture()
{
    initResources();
    return QPixmap(QStringLiteral(":/cyclo/dateedit/DEDITBMP.png"));
}

} // namespace cyclo
