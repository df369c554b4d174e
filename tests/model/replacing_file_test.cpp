#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "conversion_fixtures.h"
#include "model/replacing_file.h"
#include "values/runtime_error.h"

using namespace model;
using namespace model_test;

namespace {

// Whether the folder's file system makes unnamed files, as most do.
bool MakesUnnamedFiles(const ScratchFolder& folder) {
    const int file = open(folder.path.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (file < 0) return false;
    close(file);
    return true;
}

// Runs `save` in a child process, which `save` ends by killing it (SIGKILL)
// while its file is written.
template <class Save>
void KilledWhile(Save save) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            save();
        } catch (...) {
        }
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
}

void Save(const std::string& target, const std::string& text, bool unnamed = true) {
    ReplacingFile file(target, unnamed);
    file.Write(text);
    file.Commit();
}

}  // namespace

TEST(ReplacingFile, TheTargetChangesOnlyAtCommit) {
    ScratchFolder folder;
    const std::string target = folder.File("data.csv");
    for (bool unnamed : {true, false}) {
        WriteFile(target, "old");
        chmod(target.c_str(), 0640);
        {
            ReplacingFile file(target, unnamed);
            file.Write("new ");
            file.Write("text");
            EXPECT_EQ(Contents(target), "old");
            // The new file beside it, hidden, or no name at all.
            const size_t names = unnamed && MakesUnnamedFiles(folder) ? 1 : 2;
            EXPECT_EQ(folder.Names().size(), names) << unnamed;
            file.Commit();
        }
        EXPECT_EQ(Contents(target), "new text");
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"data.csv"});
        struct stat status {};
        stat(target.c_str(), &status);
        EXPECT_EQ(status.st_mode & 0777, 0640u);  // the old file's permissions

        // Given up: gone, the target as it was.
        { ReplacingFile(target, unnamed).Write("lost"); }
        EXPECT_EQ(Contents(target), "new text");
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"data.csv"});
    }
}

TEST(ReplacingFile, ANewFileAndAFileBehindALink) {
    ScratchFolder folder;
    for (bool unnamed : {true, false}) {
        Save(folder.File("new.csv"), unnamed ? "a" : "b", unnamed);
        EXPECT_EQ(Contents(folder.File("new.csv")), unnamed ? "a" : "b");
        std::filesystem::remove(folder.File("new.csv"));
    }

    Save(folder.File("new.csv"), "a");
    std::filesystem::create_symlink("new.csv", folder.File("link.csv"));
    for (bool unnamed : {true, false}) {
        Save(folder.File("link.csv"), unnamed ? "b" : "c", unnamed);
        EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.csv")));
        EXPECT_EQ(Contents(folder.File("new.csv")), unnamed ? "b" : "c");
    }
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"link.csv", "new.csv"}));

    std::filesystem::create_directory(folder.File("folder.csv"));
    EXPECT_THROW(ReplacingFile(folder.File("folder.csv")), values::RuntimeError);
    EXPECT_THROW(ReplacingFile(folder.File("folder.csv"), false), values::RuntimeError);
}

// A program killed while it saves leaves the old file as it was, and nothing
// a user must find and remove: the unnamed file goes with the program; a
// hidden one goes with the next save to that target.
TEST(ReplacingFile, ASaveKilledMidwayLeavesNothingBehind) {
    ScratchFolder folder;
    const std::string target = folder.File("data.csv");
    const std::string megabyte(1 << 20, 'x');
    for (bool unnamed : {true, false}) {
        WriteFile(target, "old");
        KilledWhile([&] {
            ReplacingFile file(target, unnamed);
            file.Write(megabyte);
            raise(SIGKILL);
        });
        EXPECT_EQ(Contents(target), "old");
        const bool leftOver = !unnamed || !MakesUnnamedFiles(folder);
        EXPECT_EQ(folder.Names().size(), leftOver ? 2u : 1u) << unnamed;

        Save(target, "new", unnamed);
        EXPECT_EQ(Contents(target), "new");
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"data.csv"}) << unnamed;
    }

    // Only a save's own kind of name is taken for remains; a save to
    // another target leaves them too.
    WriteFile(folder.File(".data.csv.keep"), "mine");
    WriteFile(folder.File(".data.csv.quillory-1234567"), "mine");
    KilledWhile([&] {
        ReplacingFile file(target, false);
        file.Write(megabyte);
        raise(SIGKILL);
    });
    Save(folder.File("other.csv"), "other");
    EXPECT_EQ(folder.Names().size(), 5u);
    Save(target, "again");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{".data.csv.keep", ".data.csv.quillory-1234567", "data.csv",
                                                        "other.csv"}));
}

// A hidden file whose save still runs, in another program, is not taken for
// remains: both saves complete, the later one's file in place.
TEST(ReplacingFile, AHiddenFileOfASaveInProgressStays) {
    ScratchFolder folder;
    const std::string target = folder.File("data.csv");
    WriteFile(target, "old");
    int ready[2], go[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(go), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        char c = 0;
        try {
            ReplacingFile file(target, false);
            file.Write("theirs");
            if (write(ready[1], "r", 1) != 1 || read(go[0], &c, 1) != 1) _exit(1);
            file.Commit();
        } catch (...) {
            _exit(1);
        }
        _exit(0);
    }
    char c = 0;
    ASSERT_EQ(read(ready[0], &c, 1), 1);
    Save(target, "ours", false);
    EXPECT_EQ(Contents(target), "ours");
    EXPECT_EQ(folder.Names().size(), 2u);  // theirs, still being written
    ASSERT_EQ(write(go[1], "g", 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(Contents(target), "theirs");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"data.csv"});
    for (int end : {ready[0], ready[1], go[0], go[1]}) close(end);
}
