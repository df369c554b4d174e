#pragma once
// A file written apart from the one it replaces and put in its place only
// when it is complete, so that a write that fails part-way never harms the
// old file: until Commit the target is as it was, and a file given up
// (destroyed without Commit, as when an error passes) is gone again.
//
// Where the file system has them, the new file has no name until Commit
// links it in, so that a program killed while it writes leaves nothing
// behind. Elsewhere it is a hidden file beside the target
// (".NAME.quillory-XXXXXX"), locked while it is written; a save to the same
// target removes such a file that nobody holds any more, the remains of a
// save that was killed.
#include <string>
#include <string_view>

namespace model {

class ReplacingFile {
public:
    // Run-time error 75 when the target exists but is not a writable file
    // (one that nobody may write counts as read-only), or when no file can
    // be made in its folder. `unnamed` false takes the hidden file even where
    // an unnamed one could be made.
    explicit ReplacingFile(const std::string& target, bool unnamed = true);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Run-time error 57 when the bytes cannot be written.
    void Write(std::string_view bytes);

    // Puts the written file in the target's place (error 57 or 75 when that fails).
    void Commit();

private:
    bool MakeUnnamed(unsigned mode);
    void MakeHidden();
    void GiveUp();

    std::string target_, folder_, name_;
    std::string hidden_;  // the hidden file's path; empty while the file has no name
    int file_ = -1;
};

}  // namespace model
