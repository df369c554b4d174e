#pragma once
// A file written beside the one it replaces and moved over it only when it is
// complete, so that a write that fails part-way never harms the old file: until
// Commit the target is as it was, and a file given up (destroyed without
// Commit, as when an error passes) is removed again.
#include <string>
#include <string_view>

namespace model {

class ReplacingFile {
public:
    // Run-time error 75 when the target exists but is not a writable file
    // (one that nobody may write counts as read-only), or when no file can
    // be made in its folder.
    explicit ReplacingFile(const std::string& target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Run-time error 57 when the bytes cannot be written.
    void Write(std::string_view bytes);

    // Puts the written file in the target's place (error 57 or 75 when that fails).
    void Commit();

private:
    void GiveUp();

    std::string target_, temporary_;
    int file_ = -1;
};

}  // namespace model
