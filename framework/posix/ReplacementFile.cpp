#include "framework/portable/ReplacementFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "framework/portable/TemporaryName.h"
#include "framework/posix/SystemError.h"

namespace fennick {

namespace {

// Whether the existing file at `path` may be rewritten: a regular file that this process can
// open for writing and that somebody may write at all. A file nobody may write counts as
// read-only even for the superuser, as the read-only attribute does on Windows.
bool MayRewrite(const NativePath& path, const struct stat& status)
{
    if (!S_ISREG(status.st_mode) || (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return false;
    }
    const int descriptor = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return false;
    }
    ::close(descriptor);
    return true;
}

} // namespace

ReplacementFile::~ReplacementFile()
{
    temporary_.Release();
    if (!committed_ && !temporaryPath_.empty()) {
        ::unlink(temporaryPath_.c_str());
    }
}

bool ReplacementFile::Open(const std::wstring& path, Target target)
{
    const std::optional<NativePath> native = ToNativePath(path);
    if (!native) {
        return false;
    }
    struct stat status {};
    targetExisted_ = ::stat(native->c_str(), &status) == 0;
    if (targetExisted_) {
        if (!MayRewrite(*native, status)) {
            return false;
        }
    } else if (errno != ENOENT || target == Target::Existing) {
        return false;
    }

    // A new file gets the permissions of any newly created file, narrowed by the umask.
    const mode_t permissions = targetExisted_ ? status.st_mode & 07777 : 0666;
    int descriptor = -1;
    NativePath temporaryPath;
    do {
        temporaryPath = TemporaryPathBeside(*native);
        descriptor = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, permissions);
    } while (descriptor < 0 && errno == EEXIST);
    if (descriptor < 0) {
        // Its folder is missing (or went away): nothing there can be written.
        if (errno == ENOENT) {
            return false;
        }
        throw SystemError(path, errno);
    }
    temporary_.handle_ = descriptor;
    temporary_.path_ = path;
    temporaryPath_ = std::move(temporaryPath);
    targetPath_ = *native;

    // The replacement keeps the file's permissions exactly, whatever the umask took away.
    if (targetExisted_ && ::fchmod(descriptor, permissions) != 0) {
        throw SystemError(path, errno);
    }
    return true;
}

void ReplacementFile::Commit()
{
    if (FlushingBeforeReplacing() && ::fsync(static_cast<int>(temporary_.handle_)) != 0) {
        throw SystemError(temporary_.path_, errno);
    }
    temporary_.Close();
    struct stat status {};
    if (targetExisted_ && ::stat(targetPath_.c_str(), &status) != 0) {
        throw SystemError(temporary_.path_, errno);
    }
    if (::rename(temporaryPath_.c_str(), targetPath_.c_str()) != 0) {
        throw SystemError(temporary_.path_, errno);
    }
    committed_ = true;
}

} // namespace fennick
