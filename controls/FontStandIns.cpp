#include "controls/FontStandIns.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>

namespace cyclo {

namespace {

// (Fontconfig would map Arial and Times New Roman to the same Liberation
// fonts by itself.) Asking the font database loads no font; asking which font
// a QFont resolves to loaded one for each name before the first window
// existed.
void substituteIfMissing(const QString& family, const QString& twin)
{
    if (QFontDatabase::hasFamily(family))
        return;
    QFont::insertSubstitution(family, twin);
}

} // namespace

void InstallFontStandIns()
{
    substituteIfMissing(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    substituteIfMissing(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    substituteIfMissing(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

} // namespace cyclo
