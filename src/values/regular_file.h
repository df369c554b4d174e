#pragma once
// The one way the program opens a file it reads whole: a data file or a
// picture is a regular file. A named pipe, a device or a socket chosen in an
// open dialog is refused at once, without waiting on its open (a pipe without
// a writer would hold the window for good) and without reading from it (a
// device may never end).
#include <cstddef>
#include <string>

namespace values {

class RegularFile {
public:
    // Opens `path`, its bytes as the file system takes them, for reading.
    // Run-time error 53 when nothing of that name exists, 75 when it cannot
    // be opened or is no regular file.
    explicit RegularFile(const std::string& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    int Descriptor() const { return descriptor_; }
    size_t Size() const { return size_; }
    // Hands the descriptor over to a new owner, who closes it.
    int Release();

private:
    int descriptor_;
    size_t size_ = 0;
};

}  // namespace values
