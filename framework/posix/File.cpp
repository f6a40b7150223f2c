#include "framework/portable/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <utility>
#include <cerrno>

#include "framework/portable/NativePath.h"
#include "framework/posix/SystemError.h"

namespace fennick {

File::~File()
{
    Release();
}

void File::Release() noexcept
{
    if (IsOpen()) {
        ::close(static_cast<int>(std::exchange(handle_, kClosed)));
    }
}

bool File::OpenForReading(const std::wstring& path)
{
    const std::optional<NativePath> native = ToNativePath(path);
    if (!native) {
        return false;
    }
    // Without blocking, so that a named pipe cannot hold the program; only regular files are read.
    const int descriptor = ::open(native->c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return false;
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return false;
    }
    Release();
    handle_ = descriptor;
    path_ = path;
    return true;
}

std::uint64_t File::GetLength() const
{
    struct stat status {};
    if (::fstat(static_cast<int>(handle_), &status) != 0) {
        throw SystemError(path_, errno);
    }
    return static_cast<std::uint64_t>(status.st_size);
}

void File::Read(std::span<unsigned char> buffer)
{
    while (!buffer.empty()) {
        const ssize_t count =
            ::read(static_cast<int>(handle_), buffer.data(), std::min(buffer.size(), kLargestTransfer));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            // The file ended sooner than its length said: it was cut short meanwhile.
            throw SystemError(path_, count == 0 ? ENODATA : errno);
        }
        buffer = buffer.subspan(static_cast<std::size_t>(count));
    }
}

void File::Write(std::span<const unsigned char> bytes)
{
    while (!bytes.empty()) {
        const ssize_t count =
            ::write(static_cast<int>(handle_), bytes.data(), std::min(bytes.size(), kLargestTransfer));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            throw SystemError(path_, errno);
        }
        bytes = bytes.subspan(static_cast<std::size_t>(count));
    }
}

void File::Close()
{
    if (IsOpen() && ::close(static_cast<int>(std::exchange(handle_, kClosed))) != 0) {
        throw SystemError(path_, errno);
    }
}

} // namespace fennick
