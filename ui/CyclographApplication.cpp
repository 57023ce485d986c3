#include "ui/CyclographApplication.h"

#include "assets/Artwork.h"
#include "controls/Accessibility.h"
#include "ui/FontWarmUp.h"

#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QMessageBox>
#include <exception>

namespace cyclo {

namespace {

// Maps a font name the layouts use to a metric twin, unless the font system
// has a font of that name. (Fontconfig would map Arial and Times New Roman to
// the same Liberation fonts by itself.) Asking the font database loads no
// font; asking which font a QFont resolves to loaded one for each name before
// the first window existed.
void substituteIfMissing(const QString& family, const QString& twin)
{
    if (QFontDatabase::hasFamily(family))
        return;
    QFont::insertSubstitution(family, twin);
}

} // namespace

CyclographApplication::CyclographApplication(int& argc, char** argv, FontWarmUp* fonts)
    : QApplication(argc, argv)
{
    if (fonts != nullptr)
        fonts->wait();
    setUp();
}

void CyclographApplication::setUp()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    substituteIfMissing(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    substituteIfMissing(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    substituteIfMissing(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QApplication::setWindowIcon(Artwork::programIcon());
    Artwork::installIconTheme();
    // Before the first window: screen readers may ask for a control at once.
    installControlsAccessibility();
}

bool CyclographApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        showError(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        showError(QStringLiteral("An unknown error occurred."));
    }
    return false;
}

void CyclographApplication::showError(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(kApplicationTitle), text,
                    QMessageBox::Ok);
    box.exec();
}

} // namespace cyclo
