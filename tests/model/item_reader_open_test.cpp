// What the item reader opens: regular files only, refused at once otherwise.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "model/item_reader.h"
#include "odd_files.h"
#include "values/runtime_error.h"

using model::ItemReader;

namespace {

// The run-time error Open throws for `path`, 0 when it opens.
int OpenError(const std::string& path) {
    try {
        ItemReader::Open(path);
        return 0;
    } catch (const values::RuntimeError& e) {
        return e.number();
    }
}

}  // namespace

TEST(ItemReaderOpen, AnythingButARegularFileIsRefusedAtOnce) {
    const test_files::OddFiles files;
    const test_files::Deadline deadline(10);
    const auto start = std::chrono::steady_clock::now();
    // A pipe without a writer would hold the open for good, a device would
    // be read until memory runs out.
    EXPECT_EQ(OpenError(files.Pipe()), values::kErrPathFileAccess);
    EXPECT_EQ(OpenError(files.Device()), values::kErrPathFileAccess);
    EXPECT_EQ(OpenError(files.Folder()), values::kErrPathFileAccess);
    EXPECT_EQ(OpenError(files.Missing()), values::kErrFileNotFound);
    EXPECT_EQ(OpenError(files.Missing() + "/inside.csv"), values::kErrFileNotFound);
    // A file larger than the machine's memory is refused before it is read.
    EXPECT_EQ(OpenError(files.Huge()), values::kErrOutOfMemory);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    // An empty regular file is read, as a file without records.
    EXPECT_TRUE(ItemReader::Open(files.Write("empty.csv", "")).AtEnd());
}
