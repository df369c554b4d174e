#pragma once
// Paths that name no readable regular file, made in a folder of the test's
// own: a named pipe without a writer, a folder, a name that does not exist, a
// sparse file larger than the machine's memory (it takes no disk), and a
// device that never ends. Deadline ends a test that would wait on one of
// them, so that a fault shows as a failed test instead of a hung one.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

namespace test_files {

class OddFiles {
public:
    OddFiles() {
        std::string pattern = testing::TempDir() + "odd_files_XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) ADD_FAILURE() << "no temporary folder";
        dir_ = pattern + "/";
        if (mkfifo(Pipe().c_str(), 0600) != 0) ADD_FAILURE() << "no named pipe";
        std::filesystem::create_directory(Folder());
        const int huge = open(Huge().c_str(), O_CREAT | O_WRONLY | O_CLOEXEC, 0600);
        const off_t memory = static_cast<off_t>(sysconf(_SC_PHYS_PAGES)) * sysconf(_SC_PAGESIZE);
        if (huge < 0 || ftruncate(huge, memory + 4096) != 0) ADD_FAILURE() << "no sparse file";
        if (huge >= 0) close(huge);
    }
    ~OddFiles() { std::filesystem::remove_all(dir_); }
    OddFiles(const OddFiles&) = delete;
    OddFiles& operator=(const OddFiles&) = delete;

    std::string Pipe() const { return dir_ + "pipe.csv"; }
    std::string Folder() const { return dir_ + "folder.csv"; }
    std::string Missing() const { return dir_ + "missing.csv"; }
    std::string Huge() const { return dir_ + "huge.csv"; }
    static std::string Device() { return "/dev/zero"; }
    // A file of the test's folder, made with `text`.
    std::string Write(const std::string& name, const std::string& text) const {
        const std::string path = dir_ + name;
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        return path;
    }

private:
    std::string dir_;
};

// The test program ends (SIGALRM) if the guarded part takes longer than `seconds`.
class Deadline {
public:
    explicit Deadline(unsigned seconds) { alarm(seconds); }
    ~Deadline() { alarm(0); }
    Deadline(const Deadline&) = delete;
    Deadline& operator=(const Deadline&) = delete;
};

}  // namespace test_files
