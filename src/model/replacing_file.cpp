#include "model/replacing_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "forms/runtime_error.h"

namespace model {
namespace {

[[noreturn]] void AccessError() { throw forms::RuntimeError(forms::kErrPathFileAccess, "Path/File access error"); }
[[noreturn]] void DeviceError() { throw forms::RuntimeError(forms::kErrDeviceIO, "Device I/O error"); }

// A link is replaced where it points, as writing through it would.
std::string RealTarget(const std::string& target) {
    struct stat link {};
    if (lstat(target.c_str(), &link) != 0 || !S_ISLNK(link.st_mode)) return target;
    std::error_code error;
    const std::filesystem::path real = std::filesystem::weakly_canonical(target, error);
    return error ? target : real.string();
}

// The permissions the new file gets: the old file's, or those of a file
// made new under the process's mask. A file that nobody may write is
// read-only, even to a user whom the system would let write it.
mode_t ModeFor(const std::string& target) {
    struct stat old {};
    if (stat(target.c_str(), &old) == 0) {
        if (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0 || access(target.c_str(), W_OK) != 0) AccessError();
        return old.st_mode & 07777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& target) : target_(RealTarget(target)) {
    const mode_t mode = ModeFor(target_);
    const size_t slash = target_.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target_.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    temporary_ = folder + "." + name + ".XXXXXX";
    file_ = mkostemp(temporary_.data(), O_CLOEXEC);
    if (file_ < 0) AccessError();
    if (fchmod(file_, mode) != 0) {
        GiveUp();
        AccessError();
    }
}

ReplacingFile::~ReplacingFile() {
    if (file_ >= 0) GiveUp();
}

void ReplacingFile::GiveUp() {
    close(file_);
    file_ = -1;
    unlink(temporary_.c_str());
}

void ReplacingFile::Write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(file_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) DeviceError();
        bytes.remove_prefix(static_cast<size_t>(written));
    }
}

void ReplacingFile::Commit() {
    // On disk before it takes the old file's name, so that a crash leaves one or the other.
    if (fdatasync(file_) != 0) DeviceError();
    const int file = file_;
    file_ = -1;
    if (close(file) != 0) {
        unlink(temporary_.c_str());
        DeviceError();
    }
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        unlink(temporary_.c_str());
        AccessError();
    }
}

}  // namespace model
