#include "register/FileLock.h"
#include "register/PlatformFile.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace cyclo {
namespace {

std::error_code LastCrtError()
{
    return {errno, std::generic_category()};
}

std::error_code LastWindowsError()
{
    return {static_cast<int>(GetLastError()), std::system_category()};
}

// How long a save keeps trying to replace a file that is open elsewhere.
constexpr auto kReplaceRetryTime = std::chrono::milliseconds(500);
constexpr DWORD kReplaceRetryPauseMs = 1;

HANDLE ToHandle(std::intptr_t handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

namespace platform {

std::error_code ReadPrefix(const std::filesystem::path& file, std::span<std::uint8_t> bytes,
                           std::size_t& count)
{
    count = 0;
    // Unlike the C runtime's open, this one shares delete access, so a save
    // may replace the file while it is being read.
    const HANDLE in = CreateFileW(file.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (in == INVALID_HANDLE_VALUE)
        return LastWindowsError();
    while (count < bytes.size()) {
        DWORD n = 0;
        if (!ReadFile(in, bytes.data() + count, static_cast<DWORD>(bytes.size() - count), &n,
                      nullptr) ||
            n == 0)
            break;
        count += n;
    }
    CloseHandle(in);
    return {};
}

std::error_code CreateDurably(const std::filesystem::path& file,
                              std::span<const std::uint8_t> bytes)
{
    const int out = _wopen(file.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                           _S_IREAD | _S_IWRITE);
    if (out < 0)
        return LastCrtError();
    std::error_code error;
    std::size_t written = 0;
    while (!error && written < bytes.size()) {
        const int n =
            _write(out, bytes.data() + written, static_cast<unsigned>(bytes.size() - written));
        if (n < 0)
            error = LastCrtError();
        else
            written += static_cast<std::size_t>(n);
    }
    // _commit is Windows' fsync (FlushFileBuffers underneath).
    if (!error && _commit(out) != 0)
        error = LastCrtError();
    if (_close(out) != 0 && !error)
        error = LastCrtError();
    return error;
}

std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    // Where POSIX renames and then syncs the folder, Windows replaces the
    // file in one call, and MOVEFILE_WRITE_THROUGH returns only once the
    // move is on the disk; there is no folder to sync. Unlike POSIX, Windows
    // refuses to replace a file that is open at that instant, even one
    // opened for reading with delete sharing: another program loading the
    // list, or the handle of the move that just put the file there. Such
    // opens last a moment, so the move is tried again for a short while.
    const auto giveUp = std::chrono::steady_clock::now() + kReplaceRetryTime;
    for (;;) {
        if (MoveFileExW(from.c_str(), to.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return {};
        const DWORD error = GetLastError();
        if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
            std::chrono::steady_clock::now() > giveUp)
            return {static_cast<int>(error), std::system_category()};
        Sleep(kReplaceRetryPauseMs);
    }
}

std::uint64_t ProcessId()
{
    return GetCurrentProcessId();
}

} // namespace platform

FileLock::Outcome FileLock::tryLock(const std::filesystem::path& lockFile)
{
    release();
    const HANDLE file = CreateFileW(lockFile.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return Outcome::Unavailable;
    // The lock belongs to this handle, so a second open, even in the same
    // process, is refused as another program would be.
    OVERLAPPED whole{};
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &whole)) {
        const bool busy = GetLastError() == ERROR_LOCK_VIOLATION;
        CloseHandle(file);
        return busy ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    handle_ = reinterpret_cast<std::intptr_t>(file);
    return Outcome::Taken;
}

void FileLock::release()
{
    if (held())
        CloseHandle(ToHandle(handle_));
    handle_ = kNoHandle;
}

} // namespace cyclo
