#pragma once
// The few file operations behind the person file, each on the platform's own
// terms (PlatformPosix.cpp, PlatformWindows.cpp). Paths are opened as given,
// in wide characters on Windows, so a folder of any name works.

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace cyclo::platform {

// Reads from the start of `file` until `bytes` is full or the file ends and
// sets `count` to the number of bytes read. Only a failed open is an error;
// a read that stops early is a short file.
std::error_code ReadPrefix(const std::filesystem::path& file, std::span<std::uint8_t> bytes,
                           std::size_t& count);

// Creates `file`, which must not exist yet (std::errc::file_exists if it
// does), writes `bytes` and forces them to the disk.
std::error_code CreateDurably(const std::filesystem::path& file,
                              std::span<const std::uint8_t> bytes);

// Puts `from` in the place of `to` in one step, replacing what stood there,
// and makes the change of the folder durable.
std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to);

// This process's id, which no other running process shares.
std::uint64_t ProcessId();

} // namespace cyclo::platform
