#pragma once
// An exclusive lock on a small file beside the person file, held while the
// object lives. It is the operating system's own lock (flock on POSIX,
// LockFileEx on Windows), so the system drops it when the process ends, in
// whatever way it ends: a lock left by a killed program, or by a machine
// that stopped, never blocks the next start.

#include <cstdint>
#include <filesystem>

namespace cyclo {

class FileLock
{
public:
    enum class Outcome
    {
        Taken,         // this object holds the lock now
        HeldElsewhere, // another open of the file holds it, in this or another program
        Unavailable    // the lock file cannot be opened or created (read-only media)
    };

    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Takes the lock on `lockFile`, creating the file if needed, without
    // waiting. The file stays when the lock is released: removing it would
    // let two programs lock two different files of the same name.
    Outcome tryLock(const std::filesystem::path& lockFile);
    [[nodiscard]] bool held() const { return handle_ != kNoHandle; }

private:
    void release();

    // A POSIX file descriptor or a Windows HANDLE.
    static constexpr std::intptr_t kNoHandle = -1;
    std::intptr_t handle_ = kNoHandle;
};

} // namespace cyclo
