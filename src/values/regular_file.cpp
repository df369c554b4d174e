#include "values/regular_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "values/runtime_error.h"

namespace values {
namespace {

[[noreturn]] void Refuse(int error) {
    if (error == ENOENT || error == ENOTDIR) throw RuntimeError(kErrFileNotFound, "File not found");
    throw RuntimeError(kErrPathFileAccess, "Path/File access error");
}

}  // namespace

RegularFile::RegularFile(const std::string& path) {
    // The name is looked at before anything is opened: opening a device can
    // act on it. O_NONBLOCK keeps an open from waiting should the name become
    // a pipe in between; a regular file reads the same with it.
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) Refuse(errno);
    if (!S_ISREG(status.st_mode)) Refuse(EINVAL);
    descriptor_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor_ < 0) Refuse(errno);
    if (fstat(descriptor_, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(descriptor_);
        Refuse(EINVAL);
    }
    size_ = static_cast<size_t>(status.st_size);
}

RegularFile::~RegularFile() {
    if (descriptor_ >= 0) close(descriptor_);
}

int RegularFile::Release() {
    const int descriptor = descriptor_;
    descriptor_ = -1;
    return descriptor;
}

}  // namespace values
