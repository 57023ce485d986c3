#include "ui/CommandLine.h"

#include "ui/ProductVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace cyclo {

namespace {

constexpr char kExecutableName[] = "cyclograph";

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

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

} // namespace

std::optional<int> HandleCommandLine(int argc, char** argv)
{
    // The usual start from a desktop entry has no arguments: nothing to read.
    if (argc <= 1)
        return std::nullopt;

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral(
            "%1 keeps a list of persons with their birth dates in personen.dat in the working "
            "directory, draws a person's biorhythm for one month and compares the cycles of two "
            "persons.")
            .arg(QString::fromLatin1(kProgramName)));
    // Qt's options are single-dash words (-platform), not bundled letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    for (const QtOption& qtOption : kQtOptions) {
        QCommandLineOption option(QString::fromLatin1(qtOption.name));
        if (qtOption.takesValue)
            option.setValueName(QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const bool parsed = parser.parse(arguments);
    const bool stray = parsed && !parser.positionalArguments().isEmpty();
    if (parsed && !stray && !parser.isSet(help) && !parser.isSet(version))
        return std::nullopt;

    // The usage names the program as it was called; that takes an application
    // object, and a core one needs no display.
    QCoreApplication application(argc, argv);
    if (!parsed || stray) {
        const QString reason = parsed ? QStringLiteral("Unexpected argument '%1'.")
                                            .arg(parser.positionalArguments().constFirst())
                                      : parser.errorText();
        print(stderr, QStringLiteral("%1: %2\n\n%3")
                          .arg(QLatin1String(kExecutableName), reason, parser.helpText()));
        return EXIT_FAILURE;
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return EXIT_SUCCESS;
    }
    print(stdout, QStringLiteral("%1 %2\n").arg(QLatin1String(kExecutableName),
                                                QLatin1String(kVersionNumber)));
    return EXIT_SUCCESS;
}

} // namespace cyclo
