// The portable folder as a Windows user unpacks it: the program with exactly
// what it needs beside it, nothing imported that a clean Windows lacks, and
// the .exe's own resources (no console, the manifest, the version, the icon).

#include "windows/ProgramDriving.h"
#include "windows/WineDesktop.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace cyclo::test {
namespace {

namespace fs = std::filesystem;

// The DLLs every 64-bit Windows 10 and 11 has in its system folder, as far as
// a Qt Widgets program and the MinGW runtime import them.
const QSet<QString> kWindowsDlls = {
    QStringLiteral("advapi32.dll"), QStringLiteral("comctl32.dll"), QStringLiteral("comdlg32.dll"),
    QStringLiteral("d3d9.dll"),     QStringLiteral("d3d11.dll"),    QStringLiteral("dwmapi.dll"),
    QStringLiteral("dwrite.dll"),   QStringLiteral("dxgi.dll"),     QStringLiteral("gdi32.dll"),
    QStringLiteral("imm32.dll"),    QStringLiteral("kernel32.dll"), QStringLiteral("msvcrt.dll"),
    QStringLiteral("netapi32.dll"), QStringLiteral("ole32.dll"),    QStringLiteral("oleaut32.dll"),
    QStringLiteral("setupapi.dll"), QStringLiteral("shell32.dll"),  QStringLiteral("shlwapi.dll"),
    QStringLiteral("user32.dll"),   QStringLiteral("userenv.dll"),  QStringLiteral("uxtheme.dll"),
    QStringLiteral("version.dll"),  QStringLiteral("winmm.dll"),    QStringLiteral("winspool.drv"),
    QStringLiteral("ws2_32.dll"),   QStringLiteral("wtsapi32.dll"), QStringLiteral("authz.dll"),
    QStringLiteral("mpr.dll"),      QStringLiteral("crypt32.dll"),  QStringLiteral("bcrypt.dll"),
    QStringLiteral("ntdll.dll"),    QStringLiteral("shcore.dll"),   QStringLiteral("oleacc.dll"),
    QStringLiteral("uiautomationcore.dll"),
};

class WindowsFolderTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (WindowsBuild().empty())
            GTEST_SKIP() << kNoWindowsBuild;
        ASSERT_TRUE(QFileInfo(folder).isDir()) << folder.toStdString() << " is missing";
    }

    // The DLLs a Windows program or DLL imports, in lower case.
    static QStringList imports(const QString& file)
    {
        const auto dump = RunTool(QStringLiteral("x86_64-w64-mingw32-objdump"), {QStringLiteral("-p"), file});
        QStringList names;
        if (!dump)
            return names;
        static const QRegularExpression dllName(QStringLiteral("DLL Name: (\\S+)"));
        for (auto it = dllName.globalMatch(*dump); it.hasNext();)
            names << it.next().captured(1).toLower();
        return names;
    }

    // One resource of the program, extracted by its type number.
    QByteArray resource(int type)
    {
        const QString out = scratch.filePath(QStringLiteral("resource-%1").arg(type));
        if (!RunTool(QStringLiteral("wrestool"), {QStringLiteral("-x"), QStringLiteral("--raw"),
                                                  QStringLiteral("--type=%1").arg(type),
                                                  QStringLiteral("--output=") + out, program}))
            return {};
        QByteArray bytes;
        for (QDirIterator it(out, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
            QFile file(it.next());
            if (file.open(QIODevice::ReadOnly))
                bytes += file.readAll();
        }
        QFile single(out);
        if (single.open(QIODevice::ReadOnly))
            bytes += single.readAll();
        return bytes;
    }

    QString folder = QString::fromStdString((WindowsBuild() / "folder").string());
    QString program = folder + QLatin1Char('/') + kProgramFile;
    QTemporaryDir scratch;
};

TEST_F(WindowsFolderTest, HoldsTheProgramQtTheTwoPluginsAndTheNotices)
{
    const std::string programFile = kProgramFile.toStdString();
    for (const char* file :
         {programFile.c_str(), "Qt6Core.dll", "Qt6Gui.dll", "Qt6Widgets.dll",
          "Qt6PrintSupport.dll", "platforms/qwindows.dll", "styles/qwindowsvistastyle.dll",
          "README.txt", "THIRD-PARTY-NOTICES.txt"})
        EXPECT_TRUE(QFileInfo::exists(folder + QLatin1Char('/') + QLatin1String(file))) << file;

    QFile notice(folder + QStringLiteral("/THIRD-PARTY-NOTICES.txt"));
    ASSERT_TRUE(notice.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(notice.readAll());
    // What Qt is, the exact source package and options, and its licence.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("qt6-base 6\\.4\\.2\\+dfsg-\\d+"))));
    EXPECT_TRUE(text.contains(QLatin1String("-DFEATURE_opengl=OFF")));
    EXPECT_TRUE(text.contains(QLatin1String("GNU LESSER GENERAL PUBLIC LICENSE")));
    EXPECT_TRUE(text.contains(QLatin1String("GNU GENERAL PUBLIC LICENSE")));
    EXPECT_TRUE(text.contains(QLatin1String("FreeType")));
}

TEST_F(WindowsFolderTest, EverythingImportedIsWindowsOwnOrLiesInTheFolder)
{
    QSet<QString> besideTheProgram;
    for (const QString& dll : QDir(folder).entryList({QStringLiteral("*.dll")}, QDir::Files))
        besideTheProgram << dll.toLower();

    int checked = 0;
    for (QDirIterator it(folder, {QStringLiteral("*.exe"), QStringLiteral("*.dll")}, QDir::Files,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        const QString file = it.next();
        const QStringList imported = imports(file);
        EXPECT_FALSE(imported.isEmpty()) << file.toStdString() << " imports nothing?";
        for (const QString& dll : imported) {
            // Plugins find the Qt DLLs in the program's folder, as Windows
            // loads a plugin's imports from the application's directory.
            const bool present = kWindowsDlls.contains(dll) || besideTheProgram.contains(dll) ||
                                 dll.startsWith(QLatin1String("api-ms-win-"));
            EXPECT_TRUE(present) << QDir(folder).relativeFilePath(file).toStdString()
                                 << " imports " << dll.toStdString()
                                 << ", which neither Windows nor the folder has";
        }
        ++checked;
    }
    EXPECT_GE(checked, 7);
    // The MinGW runtime is inside the program and the DLLs.
    for (const QString& runtime :
         {QStringLiteral("libstdc++-6.dll"), QStringLiteral("libgcc_s_seh-1.dll"),
          QStringLiteral("libwinpthread-1.dll")})
        EXPECT_FALSE(QFileInfo::exists(folder + QLatin1Char('/') + runtime)) << runtime.toStdString();
}

TEST_F(WindowsFolderTest, ProgramIsAGuiProgramWithManifestVersionAndIcon)
{
    const auto header = RunTool(QStringLiteral("x86_64-w64-mingw32-objdump"), {QStringLiteral("-p"), program});
    ASSERT_TRUE(header);
    EXPECT_TRUE(header->contains(QLatin1String("(Windows GUI)"))) << "no console window opens";

    const QString manifest = QString::fromUtf8(resource(24));
    EXPECT_TRUE(manifest.contains(QLatin1String("<dpiAwareness")) &&
                manifest.contains(QLatin1String("PerMonitorV2")))
        << manifest.toStdString();
    EXPECT_TRUE(manifest.contains(QLatin1String("Microsoft.Windows.Common-Controls")) &&
                manifest.contains(QLatin1String("version=\"6.0.0.0\"")));
    EXPECT_TRUE(manifest.contains(QLatin1String("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}")))
        << "Windows 10 and 11 as supported systems";
    EXPECT_TRUE(manifest.contains(QLatin1String("level=\"asInvoker\"")));

    // The version resource's texts are UTF-16.
    const QByteArray version = resource(16);
    auto utf16 = [](const char* text) {
        const QString string = QString::fromLatin1(text);
        return QByteArray(reinterpret_cast<const char*>(string.utf16()), string.size() * 2);
    };
    const std::string programFile = kProgramFile.toStdString();
    for (const char* text : {"2.0.0.0", kProgramName, "Quellant", programFile.c_str()})
        EXPECT_TRUE(version.contains(utf16(text))) << text;

    // The icon group and its sizes.
    const QString icons = scratch.filePath(QStringLiteral("icons"));
    QDir().mkpath(icons);
    ASSERT_TRUE(RunTool(QStringLiteral("wrestool"), {QStringLiteral("-x"), QStringLiteral("--type=14"),
                                                     QStringLiteral("--output=") + icons, program}));
    QString sizes;
    for (const QString& ico : QDir(icons).entryList({QStringLiteral("*.ico")}, QDir::Files))
        sizes += RunTool(QStringLiteral("icotool"), {QStringLiteral("-l"), icons + QLatin1Char('/') + ico})
                     .value_or(QString());
    for (const int size : {16, 32, 48, 256})
        EXPECT_TRUE(sizes.contains(QStringLiteral("--width=%1 --height=%1").arg(size)))
            << "no " << size << " pixel icon in: " << sizes.toStdString();
}

} // namespace
} // namespace cyclo::test
