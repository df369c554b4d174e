#include "model/replacing_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "values/runtime_error.h"

namespace model {
namespace {

[[noreturn]] void AccessError() { throw values::RuntimeError(values::kErrPathFileAccess, "Path/File access error"); }
[[noreturn]] void DeviceError() { throw values::RuntimeError(values::kErrDeviceIO, "Device I/O error"); }

// The hidden names of new files for a target NAME: ".NAME.quillory-" and six
// characters. Nothing else is ever removed as the remains of a killed save.
constexpr const char* kMark = ".quillory-";
constexpr size_t kSuffix = 6;
std::string HiddenPrefix(const std::string& name) { return "." + name + kMark; }

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

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// True when `path` still names the open file `file`.
bool Names(const std::string& path, int file) {
    struct stat named {}, open {};
    return stat(path.c_str(), &named) == 0 && fstat(file, &open) == 0 && SameFile(named, open);
}

// Takes the lock of a file made for a save; false when another holds it. A
// file system without locks leaves the file unlocked, and no other save
// removes it there (nor remains of its own).
bool Lock(int file) { return flock(file, LOCK_EX | LOCK_NB) == 0 || errno != EWOULDBLOCK; }

// Removes the hidden files of earlier saves to the target that nobody holds
// locked: a save holds its lock until its file is in place or gone, and the
// lock goes with the program that held it, so such a file is what a killed
// save left.
void RemoveLeftovers(const std::string& folder, const std::string& name) {
    const std::string prefix = HiddenPrefix(name);
    struct Close {
        void operator()(DIR* dir) const { closedir(dir); }
    };
    const std::unique_ptr<DIR, Close> dir(opendir(folder.c_str()));
    if (!dir) return;
    while (const dirent* entry = readdir(dir.get())) {
        const std::string_view found = entry->d_name;
        if (found.size() != prefix.size() + kSuffix || !found.starts_with(prefix)) continue;
        const std::string path = folder + std::string(found);
        const int file = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (file < 0) continue;
        struct stat status {};
        if (fstat(file, &status) == 0 && S_ISREG(status.st_mode) && flock(file, LOCK_EX | LOCK_NB) == 0 &&
            Names(path, file))
            unlink(path.c_str());
        close(file);
    }
}

std::string RandomSuffix() {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 random{std::random_device{}()};
    std::string suffix(kSuffix, 'x');
    for (char& c : suffix) c = kLetters[random() % (sizeof kLetters - 1)];
    return suffix;
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& target, bool unnamed) : target_(RealTarget(target)) {
    const mode_t mode = ModeFor(target_);
    const size_t slash = target_.rfind('/');
    folder_ = slash == std::string::npos ? "./" : target_.substr(0, slash + 1);
    name_ = slash == std::string::npos ? target_ : target_.substr(slash + 1);
    RemoveLeftovers(folder_, name_);
    // Locked until it is in place or gone, so that no other save takes it
    // for the remains of a killed one. Another save may take a hidden file
    // for remains between its making and its lock: it is made once more then.
    for (int attempt = 0;; ++attempt) {
        if (!unnamed || !MakeUnnamed(mode)) MakeHidden();
        if (fchmod(file_, mode) == 0 && Lock(file_) && (hidden_.empty() || Names(hidden_, file_))) return;
        GiveUp();
        if (attempt == 2) AccessError();
    }
}

// An unnamed file in the target's folder, which Commit can link in by its
// descriptor's entry in /proc. False where the file system or the system has
// none.
bool ReplacingFile::MakeUnnamed(unsigned mode) {
    file_ = open(folder_.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, static_cast<mode_t>(mode));
    if (file_ < 0) return false;
    char self[40];
    std::snprintf(self, sizeof self, "/proc/self/fd/%d", file_);
    if (access(self, F_OK) == 0) return true;
    close(file_);
    file_ = -1;
    return false;
}

void ReplacingFile::MakeHidden() {
    hidden_ = folder_ + HiddenPrefix(name_) + std::string(kSuffix, 'X');
    file_ = mkostemp(hidden_.data(), O_CLOEXEC);
    if (file_ < 0) {
        hidden_.clear();
        AccessError();
    }
}

ReplacingFile::~ReplacingFile() {
    if (file_ >= 0) GiveUp();
}

void ReplacingFile::GiveUp() {
    if (!hidden_.empty()) unlink(hidden_.c_str());
    hidden_.clear();
    close(file_);
    file_ = -1;
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
    if (hidden_.empty()) {
        // The unnamed file gets a hidden name of its own (it is still
        // locked), which then takes the target's place.
        char self[40];
        std::snprintf(self, sizeof self, "/proc/self/fd/%d", file_);
        for (int attempt = 0; hidden_.empty(); ++attempt) {
            std::string name = folder_ + HiddenPrefix(name_) + RandomSuffix();
            if (linkat(AT_FDCWD, self, AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                hidden_ = std::move(name);  // nothing that could fail between the link and its record
            } else if (errno != EEXIST || attempt == 100) {
                AccessError();
            }
        }
    }
    if (std::rename(hidden_.c_str(), target_.c_str()) != 0) AccessError();
    // In place: nothing is left to give up. The bytes were synced above.
    hidden_.clear();
    close(file_);
    file_ = -1;
}

}  // namespace model
