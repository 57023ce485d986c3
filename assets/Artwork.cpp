#include "assets/Artwork.h"

#include <QGuiApplication>
#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace. Calling it from here also
// keeps the linker from dropping the resource object out of the static library.
static void initCycloAssets()
{
    Q_INIT_RESOURCE(assets);
}

namespace cyclo {

namespace {

constexpr int kButtonPictureSide = 16;
constexpr int kOkCancelPictureSide = 18;
constexpr int kProgramIconSides[] = {16, 32};

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

// The picture at `path` (a 1x resource) for a device of the given ratio: the
// "@2x" picture above 1x, so nothing is enlarged; Qt scales it down where
// the ratio lies between.
QPixmap pictureForRatio(const QString& path, qreal devicePixelRatio)
{
    Artwork::initResources();
    if (devicePixelRatio <= 1.0)
        return QPixmap(path);
    QPixmap picture(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")));
    picture.setDevicePixelRatio(2.0);
    return picture;
}

// Adds the 1x picture at `path` and its 2x twin to `icon`. QIcon::addFile
// looks for the twin itself only when the application's ratio is above 1 at
// that moment; added here, a window moved to a 2x screen later finds it too.
void addBothSizes(QIcon& icon, const QString& path, QSize size, QIcon::Mode mode = QIcon::Normal)
{
    icon.addFile(path, size, mode);
    icon.addFile(QString(path).replace(QStringLiteral(".png"), QStringLiteral("@2x.png")), size * 2,
                 mode);
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
    const int side = picture == ButtonPicture::Ok || picture == ButtonPicture::Cancel
                         ? kOkCancelPictureSide
                         : kButtonPictureSide;
    QIcon icon;
    addBothSizes(icon, buttonPicturePath(picture, false), QSize(side, side), QIcon::Normal);
    addBothSizes(icon, buttonPicturePath(picture, true), QSize(side, side), QIcon::Disabled);
    return icon;
}

qreal Artwork::screenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap Artwork::mainPicture(qreal devicePixelRatio)
{
    return pictureForRatio(QStringLiteral(":/cyclo/main-picture.png"), devicePixelRatio);
}

QIcon Artwork::programIcon()
{
    initResources();
    QIcon icon;
    for (const int side : kProgramIconSides)
        addBothSizes(icon, QStringLiteral(":/cyclo/icon/cyclograph-%1.png").arg(side),
                     QSize(side, side));
    return icon;
}

QPixmap Artwork::programIconPixmap(qreal devicePixelRatio)
{
    return pictureForRatio(QStringLiteral(":/cyclo/icon/cyclograph-32.png"), devicePixelRatio);
}

QPixmap Artwork::dateEditPicture(qreal devicePixelRatio)
{
    return pictureForRatio(QStringLiteral(":/cyclo/dateedit/DEDITBMP.png"), devicePixelRatio);
}

} // namespace cyclo
