#include "ui/app/ListFolder.h"

#include "register/PersonRegister.h"
#include "ui/ProductVersion.h"
#include "ui/app/MessageBoxes.h"

#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <system_error>

#ifdef Q_OS_WIN
#include <shlobj.h>
#endif

namespace cyclo {

#ifdef Q_OS_WIN

namespace {

// The roaming application data folder as Windows names it for this user.
QString roamingAppData()
{
    // %APPDATA% is set from the same setting at logon; it is asked first so
    // that a start with another %APPDATA% (a test, a portable setup) uses it.
    QString folder = qEnvironmentVariable("APPDATA");
    if (!folder.isEmpty())
        return folder;
    PWSTR known = nullptr;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &known)))
        folder = QString::fromWCharArray(known);
    CoTaskMemFree(known);
    return folder;
}

} // namespace

QString UserDataFolder()
{
    // Windows' convention: the roaming application data (which follows the
    // user from machine to machine), in a folder named after the maker and
    // the program, without the version, so a 2.1 finds the same list.
    const QString base = roamingAppData();
    if (base.isEmpty())
        return {};
    return QDir::toNativeSeparators(base + QLatin1String("/Quellant/Cyclograph"));
}

#else

QString UserDataFolder()
{
    // Qt's application data folder is named after the application title,
    // "Cyclograph 2.0", so a 2.1 would start with an empty list; the folder
    // is named after the package instead, in the same per-user data base.
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return {};
    return base + QLatin1Char('/') + QLatin1String(kExecutableName);
}

#endif

PersonFileLocation LocatePersonFile(ListFolder folder)
{
    if (folder == ListFolder::WorkingDirectory)
        return {std::filesystem::path(kPersonFileName), {}};

    const QString dataFolder = UserDataFolder();
    if (dataFolder.isEmpty())
        return {std::filesystem::path(kPersonFileName),
                QStringLiteral("This system names no folder for the data of its users, so the "
                               "list of persons is kept in the working directory.")};
    const std::filesystem::path path = dataFolder.toStdU16String();
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (!error && !std::filesystem::is_directory(path, error))
        error = std::make_error_code(std::errc::not_a_directory);
    // The register then finds no file and cannot save: the run goes on with
    // an empty list, and every save says that it failed.
    if (error)
        return {path / kPersonFileName,
                QStringLiteral("The folder for the list of persons could not be made:\n%1\n%2\n\n"
                               "Persons you add now cannot be saved.")
                    .arg(dataFolder, QString::fromLocal8Bit(error.message()))};
    return {path / kPersonFileName, {}};
}

void ReportListFolderProblem(const PersonFileLocation& location)
{
    ShowMessage(nullptr, QMessageBox::Warning, location.problem);
}

} // namespace cyclo
