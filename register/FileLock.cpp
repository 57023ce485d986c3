#include "register/FileLock.h"

#include <utility>

namespace cyclo {

FileLock::~FileLock()
{
    release();
}

FileLock::FileLock(FileLock&& other) noexcept : handle_(std::exchange(other.handle_, kNoHandle)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept
{
    if (this != &other) {
        release();
        handle_ = std::exchange(other.handle_, kNoHandle);
    }
    return *this;
}

} // namespace cyclo
