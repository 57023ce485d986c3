#include "register/FileLock.h"
#include "register/PlatformFile.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace cyclo {
namespace {

std::error_code LastError()
{
    return {errno, std::generic_category()};
}

// The descriptor closed on every way out.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    [[nodiscard]] int get() const { return fd_; }
    // Closes now and reports what close reports.
    std::error_code close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? std::error_code() : LastError();
    }

private:
    int fd_;
};

} // namespace

namespace platform {

std::error_code ReadPrefix(const std::filesystem::path& file, std::span<std::uint8_t> bytes,
                           std::size_t& count)
{
    count = 0;
    const Descriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0)
        return LastError();
    while (count < bytes.size()) {
        const ssize_t n = ::read(in.get(), bytes.data() + count, bytes.size() - count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        count += static_cast<std::size_t>(n);
    }
    return {};
}

std::error_code CreateDurably(const std::filesystem::path& file,
                              std::span<const std::uint8_t> bytes)
{
    Descriptor out(::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.get() < 0)
        return LastError();
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(out.get(), bytes.data() + written, bytes.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return LastError();
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(out.get()) != 0)
        return LastError();
    return out.close();
}

std::error_code RenameOver(const std::filesystem::path& from, const std::filesystem::path& to)
{
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return LastError();
    // The renamed entry itself must reach the disk too.
    const std::filesystem::path folder = to.parent_path().empty() ? "." : to.parent_path();
    const Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0)
        ::fsync(dir.get());
    return {};
}

std::uint64_t ProcessId()
{
    return static_cast<std::uint64_t>(::getpid());
}

} // namespace platform

FileLock::Outcome FileLock::tryLock(const std::filesystem::path& lockFile)
{
    release();
    // O_CLOEXEC: a program started from here must not inherit the lock.
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return Outcome::Unavailable;
    // flock belongs to this open of the file, so a second open, even in the
    // same process, is refused as another program would be.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    handle_ = fd;
    return Outcome::Taken;
}

void FileLock::release()
{
    if (held())
        ::close(static_cast<int>(handle_));
    handle_ = kNoHandle;
}

} // namespace cyclo
