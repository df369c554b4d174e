// A data file cut short while it is read: error 62 ("File format error."),
// never the NULs of its lost pages as text; a SIGBUS elsewhere still kills.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>

#include "conversion_fixtures.h"
#include "model/mapped_file_guard.h"
#include "model/side_by_side.h"
#include "values/runtime_error.h"

using namespace model;
using namespace model_test;

namespace {

const size_t kPage = static_cast<size_t>(sysconf(_SC_PAGESIZE));
std::string gPath;
size_t gCutTo;
long gCutAtStart, gStarts;
void Cut() { ASSERT_EQ(truncate(gPath.c_str(), static_cast<off_t>(gCutTo)), 0); }

// The error reading every item that is left gives, none of them NULs; 0 when it reads through.
int ReadAll(ItemReader& reader) {
    try {
        while (!reader.AtEnd()) EXPECT_EQ(reader.Item().find('\0'), std::string_view::npos);
    } catch (const values::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

}  // namespace

TEST(CutFile, AFileCutShortUnderTheReaderIsInputPastEndAndLostPagesStayLost) {
    const ScratchFolder folder;
    gPath = folder.File("data.csv");
    std::string text;
    for (long r = 1; text.size() < (size_t{1} << 20); ++r) text += "r" + std::to_string(r) + ",12.5,-7\r\n";
    // A tenth: NULs after the end in its page, faults after; a page's end: faults; two bytes less: no fault.
    for (const size_t size : {text.size() / 10, text.size() / 10 / kPage * kPage, text.size() - 2, size_t{0}}) {
        WriteFile(gPath, text);
        ItemReader reader = ItemReader::Open(gPath);
        gCutTo = size;
        Cut();
        EXPECT_EQ(ReadAll(reader), values::kErrInputPastEnd) << size;
    }
    // A part that read beyond the cut spoils the file for its other readers, though it grows back.
    WriteFile(gPath, text);
    ItemReader reader = ItemReader::Open(gPath), far = reader.Part(text.size() / 2, text.size());
    Cut();
    EXPECT_EQ(ReadAll(far), values::kErrInputPastEnd);
    WriteFile(gPath, text);
    EXPECT_EQ(ReadAll(reader), values::kErrInputPastEnd);
    // Readers beyond those that can be guarded read a copy.
    std::vector<ItemReader> readers;
    while (readers.size() <= MappedFileGuard::kSlots) readers.push_back(ItemReader::Open(gPath));
    Cut();
    EXPECT_EQ(ReadAll(readers.front()), values::kErrInputPastEnd);
    EXPECT_EQ(ReadAll(readers.back()), 0);
}

// Cut before the reading or as a thread of it starts (counting lines, reading parts): error 62 with the
// tables as they were, or the whole file where every part was read before the cut.
TEST(CutFile, AConversionOfAFileCutWhileItsPartsAreReadIsInputPastEnd) {
    const ScratchFolder folder;
    const DepthModel m = ConversionModel();
    std::string text = "Sample,Hole,Section,PSP (cm)\r\n";
    for (long r = 1; r <= 20000; ++r) text += "s" + std::to_string(r) + ",A,01," + std::to_string(20 + r % 60) + "\r\n";
    gPath = folder.File("samples.csv");
    gCutTo = text.size() / 10;
    gBeforeThreadStart = [] {
        if (gStarts++ == gCutAtStart) Cut();
    };
    long errors = 0;
    for (gCutAtStart = -1; gCutAtStart < 6; ++gCutAtStart) {
        WriteFile(gPath, text);
        ItemReader file = ItemReader::Open(gPath);
        if (gCutAtStart < 0) Cut();
        gStarts = 0;
        ConversionTables t;
        try {
            ReadConversionFile(file, t, MainWindowSide(m, nullptr), {4, 4096, 1000, 1000});  // 16 parts, 4 threads
            EXPECT_EQ(t.gConvTrinity.Rows(), 20000) << gCutAtStart;
        } catch (const values::RuntimeError& e) {
            EXPECT_EQ(e.number(), values::kErrInputPastEnd) << gCutAtStart;
            EXPECT_EQ(t.gConvDetected, 0);
            ++errors;
        }
    }
    gBeforeThreadStart = nullptr;
    EXPECT_GE(errors, 4);  // before the reading and while the lines are counted, at least
}

TEST(CutFileDeathTest, ASigbusOutsideTheGuardedMappingsStillEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ScratchFolder folder;
    gPath = folder.File("data.csv");
    WriteFile(gPath, std::string(4 * kPage, '1'));
    auto faultBesideAReader = [] {
        alarm(20);  // a fault taken for the reader's would come back for good
        ItemReader reader = ItemReader::Open(gPath);
        const auto* other = static_cast<const volatile char*>(
            mmap(nullptr, 4 * kPage, PROT_READ, MAP_SHARED, open(gPath.c_str(), O_RDONLY | O_CLOEXEC), 0));
        gCutTo = 0;
        Cut();
        if (ReadAll(reader) == values::kErrInputPastEnd) (void)other[2 * kPage];
        std::_Exit(0);
    };
    // Killed by SIGBUS, or ended by the sanitizer whose handler came first
    // (by abort, or with its exit code, as its options say).
    auto ended = [](int s) { return WIFSIGNALED(s) ? WTERMSIG(s) != SIGALRM : WEXITSTATUS(s) != 0; };
    EXPECT_EXIT(faultBesideAReader(), ended, "");
}
