#include "ui/CyclographApplication.h"

#include "assets/Artwork.h"

#include <QFontInfo>
#include <QMessageBox>
#include <exception>

namespace cyclo {

namespace {

// Maps a font name the layouts use to a metric twin, unless the font system
// already finds a font of that name (or maps it itself, as fontconfig does
// for Arial and Times New Roman with the Liberation fonts).
void substituteIfMissing(const QString& family, const QString& twin)
{
    const QString found = QFontInfo(QFont(family)).family();
    if (found.compare(family, Qt::CaseInsensitive) == 0 ||
        found.compare(twin, Qt::CaseInsensitive) == 0)
        return;
    QFont::insertSubstitution(family, twin);
}

} // namespace

CyclographApplication::CyclographApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setUp();
}

void CyclographApplication::setUp()
{
    QCoreApplication::setApplicationName(QString::fromLatin1(kApplicationTitle));
    substituteIfMissing(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    substituteIfMissing(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    substituteIfMissing(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QApplication::setWindowIcon(Artwork::programIcon());
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
