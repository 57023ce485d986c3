#pragma once
// A fresh directory under the system's temporary folder, removed with all it
// holds when the object goes.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace cyclo::test {

class TempDir
{
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return path_; }
    [[nodiscard]] std::filesystem::path file(const char* name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

} // namespace cyclo::test
