#include "assets/Artwork.h"

#include "assets/PackedPictures.h"

#include <QGuiApplication>
#include <QIcon>
#include <algorithm>
#include <mutex>

// Q_INIT_RESOURCE must be used outside any namespace. Calling it from here also
// keeps the linker from dropping the resource object out of the static library.
static void initCycloTheme()
{
    Q_INIT_RESOURCE(theme);
}

namespace cyclo {

namespace {

// The theme in assets/theme.qrc, under :/icons, where Qt looks for themes.
constexpr char kIconTheme[] = "cyclograph";

const ButtonPictureNames& namesOf(ButtonPicture picture)
{
    return kButtonPictureNames.at(static_cast<std::size_t>(picture));
}

QPixmap pixmapOf(std::string_view name, int scale)
{
    return QPixmap::fromImage(Artwork::drawing(name, scale));
}

// The drawing for a device of the given ratio: the 2x drawing above 1x, so
// nothing is enlarged; Qt scales it down where the ratio lies between.
QPixmap pictureForRatio(std::string_view name, qreal devicePixelRatio)
{
    return pixmapOf(name, devicePixelRatio <= 1.0 ? 1 : 2);
}

// Adds both drawings of `name` to `icon`, so that a window on a 2x screen,
// or moved to one later, finds the sharp one.
void addBothSizes(QIcon& icon, std::string_view name, QIcon::Mode mode = QIcon::Normal)
{
    icon.addPixmap(pixmapOf(name, 1), mode);
    icon.addPixmap(pixmapOf(name, 2), mode);
}

} // namespace

QImage Artwork::drawing(std::string_view name, int scale)
{
    const auto pictures = PackedPictures();
    const auto found = std::find_if(pictures.begin(), pictures.end(), [&](const PackedPicture& p) {
        return p.name == name && p.scale == scale;
    });
    if (found == pictures.end())
        return {};
    // Read-only: the image shares the compiled-in pixels until it is changed.
    QImage image(reinterpret_cast<const uchar*>(found->pixels), found->width, found->height,
                 found->width * static_cast<qsizetype>(sizeof(std::uint32_t)),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    return image;
}

std::string_view Artwork::buttonPictureName(ButtonPicture picture, bool disabled)
{
    const ButtonPictureNames& names = namesOf(picture);
    return disabled ? names.disabled : names.normal;
}

void Artwork::installIconTheme()
{
    static std::once_flag once;
    std::call_once(once, [] { initCycloTheme(); });
    QIcon::setThemeName(QString::fromLatin1(kIconTheme));
    // An icon the theme lacks is not looked up in the desktop's themes:
    // searching them stat-ed hundreds of folders, a tenth of the start-up.
    QIcon::setFallbackThemeName(QString::fromLatin1(kIconTheme));
}

QSize Artwork::pictureSize(std::string_view name)
{
    const auto found = std::find_if(kPictureList.begin(), kPictureList.end(),
                                    [&](const ListedPicture& p) { return p.name == name; });
    return found == kPictureList.end() ? QSize() : QSize(found->width, found->height);
}

QSize Artwork::buttonPictureSize(ButtonPicture picture)
{
    return pictureSize(namesOf(picture).normal);
}

QSize Artwork::mainPictureSize()
{
    return pictureSize("main-picture");
}

QIcon Artwork::buttonIcon(ButtonPicture picture)
{
    const ButtonPictureNames& names = namesOf(picture);
    QIcon icon;
    addBothSizes(icon, names.normal, QIcon::Normal);
    addBothSizes(icon, names.disabled, QIcon::Disabled);
    return icon;
}

qreal Artwork::screenRatio()
{
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QPixmap Artwork::mainPicture(qreal devicePixelRatio)
{
    return pictureForRatio("main-picture", devicePixelRatio);
}

QIcon Artwork::programIcon()
{
    QIcon icon;
    addBothSizes(icon, "icon/cyclograph-16");
    addBothSizes(icon, "icon/cyclograph-32");
    return icon;
}

QPixmap Artwork::programIconPixmap(qreal devicePixelRatio)
{
    return pictureForRatio("icon/cyclograph-32", devicePixelRatio);
}

QPixmap Artwork::dateEditPicture(qreal devicePixelRatio)
{
    return pictureForRatio("dateedit/DEDITBMP", devicePixelRatio);
}

} // namespace cyclo
