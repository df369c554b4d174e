#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>

#include "conversion_fixtures.h"
#include "forms/runtime_error.h"
#include "model/replacing_file.h"

using namespace model;
using namespace model_test;

TEST(ReplacingFile, TheTargetChangesOnlyAtCommit) {
    ScratchFolder folder;
    const std::string target = folder.File("data.csv");
    WriteFile(target, "old");
    chmod(target.c_str(), 0640);
    {
        ReplacingFile file(target);
        file.Write("new ");
        file.Write("text");
        EXPECT_EQ(Contents(target), "old");
        EXPECT_EQ(folder.Names().size(), 2u);  // the new file beside it
        file.Commit();
    }
    EXPECT_EQ(Contents(target), "new text");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"data.csv"});
    struct stat status {};
    stat(target.c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);  // the old file's permissions

    // Given up: removed, the target as it was.
    { ReplacingFile(target).Write("lost"); }
    EXPECT_EQ(Contents(target), "new text");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"data.csv"});
}

TEST(ReplacingFile, ANewFileAndAFileBehindALink) {
    ScratchFolder folder;
    {
        ReplacingFile file(folder.File("new.csv"));
        file.Write("a");
        file.Commit();
    }
    EXPECT_EQ(Contents(folder.File("new.csv")), "a");

    std::filesystem::create_symlink("new.csv", folder.File("link.csv"));
    {
        ReplacingFile file(folder.File("link.csv"));
        file.Write("b");
        file.Commit();
    }
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.csv")));
    EXPECT_EQ(Contents(folder.File("new.csv")), "b");

    std::filesystem::create_directory(folder.File("folder.csv"));
    EXPECT_THROW(ReplacingFile(folder.File("folder.csv")), forms::RuntimeError);
}
