#include "ui/app/CommandLine.h"

#include "ui/ProductVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_WIN
#include <string>
#include <windows.h>
#endif

namespace cyclo {

namespace {

// The options QGuiApplication and QApplication take from the command line
// themselves; they are accepted here, hidden from the usage, so that the
// application object still sees them.
struct QtOption
{
    const char* name;
    bool takesValue;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},         {"testability", false},
};

#ifdef Q_OS_WIN
// A Windows GUI program starts without a console of its own. Started from
// one (cmd, PowerShell), it writes its answer into that console; it cannot
// hold the prompt back, which has already returned, so the answer stands
// below it. Returns false when there is no console to write to.
bool printToConsole(std::FILE* stream, const QString& text)
{
    HANDLE handle = GetStdHandle(stream == stderr ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE);
    HANDLE borrowed = INVALID_HANDLE_VALUE;
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        if (!AttachConsole(ATTACH_PARENT_PROCESS) && GetLastError() != ERROR_ACCESS_DENIED)
            return false; // no parent console (started from Explorer)
        borrowed = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
        handle = borrowed;
    }
    DWORD mode = 0;
    bool printed = false;
    // A console takes UTF-16 whatever its code page; a redirected stream is
    // left to the C library below.
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode)) {
        // A borrowed console's prompt stands on the current line already.
        const QString shown = borrowed != INVALID_HANDLE_VALUE ? QLatin1Char('\n') + text : text;
        const std::wstring wide = shown.toStdWString();
        DWORD written = 0;
        printed = WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written,
                                nullptr) != 0;
    }
    if (borrowed != INVALID_HANDLE_VALUE)
        CloseHandle(borrowed);
    return printed;
}
#endif

void print(std::FILE* stream, const QString& text)
{
#ifdef Q_OS_WIN
    if (printToConsole(stream, text))
        return;
#endif
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// The help names the folder as this user's environment makes it.
QString userDataFolderForHelp()
{
    const QString folder = UserDataFolder();
    return folder.isEmpty() ? QStringLiteral("the per-user data folder") : folder;
}

} // namespace

CommandLineChoice HandleCommandLine(int argc, char** argv)
{
    // A start without arguments has nothing to read.
    if (argc <= 1)
        return {};

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "%1 keeps a list of persons with their birth dates, draws a person's biorhythm for "
            "one month and compares the cycles of two persons.\n\n"
            "The list is kept in personen.dat in the working directory. With --user-data, as "
            "the desktop menu starts the program, it is kept in %2 instead, which is made on "
            "the first start.")
            .arg(QString::fromLatin1(kProgramName), userDataFolderForHelp()));
    // Qt's options are single-dash words (-platform), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    const QCommandLineOption userData(
        QStringLiteral("user-data"),
        QStringLiteral("Keeps the list of persons in the per-user data folder, not in the "
                       "working directory."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addOption(userData);
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const bool parsed = parser.parse(arguments);
    const bool stray = parsed && !parser.positionalArguments().isEmpty();
    const ListFolder listFolder =
        parser.isSet(userData) ? ListFolder::UserData : ListFolder::WorkingDirectory;
    if (parsed && !stray && !parser.isSet(help) && !parser.isSet(version))
        return {std::nullopt, listFolder};

    // The usage names the program as it was called; that takes an application
    // object, and a core one needs no display.
    QCoreApplication application(argc, argv);
    if (!parsed || stray) {
        const QString reason = parsed ? QStringLiteral("Unexpected argument '%1'.")
                                            .arg(parser.positionalArguments().constFirst())
                                      : parser.errorText();
        print(stderr, QStringLiteral("%1: %2\n\n%3")
                          .arg(QLatin1String(kExecutableName), reason, parser.helpText()));
        return {EXIT_FAILURE};
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return {EXIT_SUCCESS};
    }
    print(stdout, QStringLiteral("%1 %2\n").arg(QLatin1String(kExecutableName),
                                                QLatin1String(kVersionNumber)));
    return {EXIT_SUCCESS};
}

} // namespace cyclo
