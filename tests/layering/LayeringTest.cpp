// Reads the #include lines of the program's folders and checks them against
// the one-way layering of the house:
//   calendar  includes nothing of ours;
//   register  includes calendar;                     no Qt header;
//   chart     includes calendar;                     no Qt header, except its
//             Qt surfaces (files named Qt* or Print*);
//   assets    includes nothing of ours;
//   controls  includes calendar and assets;
//   ui/widgets    the windows' parts: the core, assets, controls and
//                 each other, never a window or the application;
//   ui/printing   the printed pages: the core, assets, controls and the
//                 widgets' look values, never a window or the application;
//   ui/app, ui    the application and the windows: may include anything.
// A file belongs to the deepest of these folders that holds it, and so does
// an include's target.
// Every include of a header of ours names its folder ("chart/MonthChart.h").
// Inside a folder the includes run one way too: a file pair (Name.h and
// Name.cpp) never includes a header that leads back to it, so every part of
// a folder builds on the parts below it.
// docs/DEVELOPING.md says the same in words; change the two together.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const std::map<std::string, std::set<std::string>> kMayInclude = {
    {"calendar", {"calendar"}},
    {"register", {"calendar", "register"}},
    {"chart", {"calendar", "chart"}},
    {"assets", {"assets"}},
    {"controls", {"calendar", "assets", "controls"}},
    {"ui/widgets", {"calendar", "register", "chart", "assets", "controls", "ui/widgets"}},
    {"ui/printing",
     {"calendar", "register", "chart", "assets", "controls", "ui/widgets", "ui/printing"}},
    {"ui/app",
     {"calendar", "register", "chart", "assets", "controls", "ui/widgets", "ui/printing", "ui/app",
      "ui"}},
    {"ui",
     {"calendar", "register", "chart", "assets", "controls", "ui/widgets", "ui/printing", "ui/app",
      "ui"}},
};

// The deepest folder of the rules that holds `path` ("ui/widgets/X.h" is in
// "ui/widgets", "ui/BioUnit.h" in "ui"), or "" for none.
std::string folderOf(const std::string& path)
{
    std::string best;
    for (const auto& [folder, allowed] : kMayInclude) {
        if (path.starts_with(folder + "/") && folder.size() > best.size())
            best = folder;
    }
    return best;
}

bool mayUseQt(const std::string& folder, const std::string& fileName)
{
    if (folder == "calendar" || folder == "register")
        return false;
    if (folder == "chart")
        return fileName.starts_with("Qt") || fileName.starts_with("Print");
    return true;
}

// A file pair's name: its path under the root without the extension.
using Part = std::string;

struct Include
{
    std::string file;   // "folder/File.cpp"
    std::string target; // "folder/Other.h"
};

Part partOf(const std::string& path)
{
    return fs::path(path).replace_extension().generic_string();
}

// Whether `to` is reached from `from` through the includes inside the folders.
bool leadsTo(const std::map<Part, std::set<Part>>& includes, const Part& from, const Part& to)
{
    std::set<Part> seen;
    std::vector<Part> open{from};
    while (!open.empty()) {
        const Part part = open.back();
        open.pop_back();
        if (part == to)
            return true;
        if (!seen.insert(part).second)
            continue;
        if (const auto found = includes.find(part); found != includes.end())
            open.insert(open.end(), found->second.begin(), found->second.end());
    }
    return false;
}

// The includes inside one folder that lead back to the including file pair.
std::vector<std::string> CircleFaults(const std::vector<Include>& inside)
{
    std::map<Part, std::set<Part>> includes;
    for (const Include& include : inside) {
        const Part from = partOf(include.file);
        const Part to = partOf(include.target);
        if (from != to)
            includes[from].insert(to);
    }
    std::vector<std::string> faults;
    for (const Include& include : inside) {
        const Part from = partOf(include.file);
        const Part to = partOf(include.target);
        if (from != to && leadsTo(includes, to, from))
            faults.push_back(include.file + ": " + include.target + " leads back to " + from);
    }
    return faults;
}

// One line per include that breaks a rule, "folder/File.cpp: why", sorted.
std::vector<std::string> LayeringFaults(const fs::path& root)
{
    static const std::regex quoted(R"(^\s*#\s*include\s*"([^"]+)\")");
    static const std::regex qtHeader(R"(^\s*#\s*include\s*<(Q[A-Za-z]*(/[^>]*)?)>)");
    std::vector<std::string> faults;
    // The includes inside each folder, for the circles.
    std::map<std::string, std::vector<Include>> inside;
    for (const auto& [top, rules] : kMayInclude) {
        // Sub-folders are read with the folder that holds them.
        if (top.find('/') != std::string::npos || !fs::is_directory(root / top))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const fs::path& file = entry.path();
            if (!entry.is_regular_file() ||
                (file.extension() != ".h" && file.extension() != ".cpp"))
                continue;
            const std::string name = fs::relative(file, root).generic_string();
            const std::string folder = folderOf(name);
            const std::set<std::string>& allowed = kMayInclude.at(folder);
            std::ifstream in(file);
            std::string line;
            std::smatch match;
            while (std::getline(in, line)) {
                if (std::regex_search(line, match, quoted)) {
                    const std::string target = match[1];
                    if (target.find('/') == std::string::npos) {
                        faults.push_back(name + ": \"" + target + "\" does not name its folder");
                        continue;
                    }
                    const std::string targetFolder = folderOf(target);
                    if (!targetFolder.empty() && !allowed.contains(targetFolder))
                        faults.push_back(name + ": " + folder + " must not include " + target);
                    if (targetFolder == folder)
                        inside[folder].push_back({name, target});
                } else if (std::regex_search(line, match, qtHeader) &&
                           !mayUseQt(folder, file.filename().string())) {
                    faults.push_back(name + ": " + folder + " must not include the Qt header <" +
                                     match[1].str() + ">");
                }
            }
        }
    }
    for (const auto& [folder, includes] : inside) {
        const std::vector<std::string> circles = CircleFaults(includes);
        faults.insert(faults.end(), circles.begin(), circles.end());
    }
    std::sort(faults.begin(), faults.end());
    return faults;
}

const fs::path kSourceDir = CYCLO_SOURCE_DIR;
const fs::path kFixtures = kSourceDir / "tests" / "layering";

TEST(LayeringTest, TheProgramsIncludesFollowTheHouse)
{
    EXPECT_EQ(LayeringFaults(kSourceDir), std::vector<std::string>{});
}

TEST(LayeringTest, EachBrokenRuleIsFound)
{
    const struct
    {
        const char* tree;
        std::vector<std::string> faults;
    } cases[] = {
        {"bare-include", {R"(register/Name.cpp: "Cp1252.h" does not name its folder)"}},
        {"upward", {"calendar/Day.h: calendar must not include register/PersonRegister.h"}},
        {"qt-in-core",
         {"chart/MonthChart.cpp: chart must not include the Qt header <QImage>",
          "register/Cp1252.cpp: register must not include the Qt header <QtCore/QString>"}},
        {"controls-to-ui", {"controls/Field.cpp: controls must not include ui/BioUnit.h"}},
        {"controls-circle",
         {"controls/Field.cpp: controls/Setup.h leads back to controls/Field",
          "controls/Setup.cpp: controls/Field.h leads back to controls/Setup",
          "controls/Setup.cpp: controls/Style.h leads back to controls/Setup",
          "controls/Style.h: controls/Field.h leads back to controls/Style"}},
        {"widgets-to-window",
         {"ui/printing/Page.cpp: ui/printing must not include ui/CompErgUnit.h",
          "ui/widgets/Part.h: ui/widgets must not include ui/BioUnit.h",
          "ui/widgets/Part.h: ui/widgets must not include ui/app/Startup.h"}},
        {"qt-surface-ok", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tree);
        EXPECT_EQ(LayeringFaults(kFixtures / c.tree), c.faults);
    }
}

} // namespace
