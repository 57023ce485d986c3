#pragma once
// A temporary working folder holding a person file, for the start-up
// measurements: the program reads personen.dat from its working directory.

#include "register/PersonRegister.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace cyclo::bench {

// A folder holding a person file with `count` persons of the longest names;
// removed with everything in it when the object goes.
class StartupPersonFolder
{
public:
    explicit StartupPersonFolder(int count)
    {
        namespace fs = std::filesystem;
        std::random_device random;
        path_ = fs::temp_directory_path() / ("cyclo-startup-" + std::to_string(random()));
        fs::create_directories(path_);
        // The register saves after each add; build the table where saving
        // cannot succeed, then write its image once.
        PersonRegister table(path_ / "unwritable" / "personen.dat");
        for (int i = 0; i < count; ++i) {
            std::string name = "Person " + std::to_string(i + 1) + " Maximilianstrasse-Beispiel";
            name.resize(kNameCapacity, 'x');
            const auto day = static_cast<std::uint16_t>(1 + i % 28);
            const auto month = static_cast<std::uint16_t>(1 + i % 12);
            const auto year = static_cast<std::uint16_t>(1930 + i % 80);
            table.AddPerson(name, {year, month, day});
        }
        const auto image = table.FileImage();
        std::ofstream out(path_ / "personen.dat", std::ios::binary);
        out.write(reinterpret_cast<const char*>(image.data()),
                  static_cast<std::streamsize>(image.size()));
    }
    ~StartupPersonFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    StartupPersonFolder(const StartupPersonFolder&) = delete;
    StartupPersonFolder& operator=(const StartupPersonFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace cyclo::bench
