// A data file that another program cuts short while it is read: error 62,
// which every import turns into "File format error.", and the program goes
// on; the NULs its lost pages read as are never taken for its text. A SIGBUS
// anywhere else still ends the program.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "conversion_fixtures.h"
#include "odd_files.h"
#include "model/conversion_input.h"
#include "model/item_reader.h"
#include "model/mapped_file_guard.h"
#include "model/side_by_side.h"
#include "values/runtime_error.h"

using namespace model;
using namespace model_test;

namespace {

// A megabyte of records of a label and two numbers.
std::string Records(const std::string& label) {
    std::string text;
    for (long r = 1; text.size() < (size_t{1} << 20); ++r)
        text += label + std::to_string(r) + "," + std::to_string(r % 977) + ".25,-" + std::to_string(r % 31) + "\r\n";
    return text;
}

// The run-time error that reading the rest of `reader` gives, the numbers
// taken one at a time and a record's at once in turn; 0 when it reads
// through.
int ReadAll(ItemReader& reader) {
    try {
        for (long r = 0; !reader.AtEnd(); ++r) {
            reader.Item();
            double numbers[2];
            if (r % 2 == 0) {
                numbers[0] = reader.Number();
                numbers[1] = reader.NumberVal();
            } else {
                reader.NumbersVal(numbers);
            }
        }
        return 0;
    } catch (const values::RuntimeError& e) {
        return e.number();
    }
}

void Cut(const std::string& path, size_t size) { ASSERT_EQ(truncate(path.c_str(), static_cast<off_t>(size)), 0); }

const size_t kPage = static_cast<size_t>(sysconf(_SC_PAGESIZE));

}  // namespace

TEST(CutFile, AFileCutShortUnderTheReaderIsInputPastEnd) {
    const ScratchFolder folder;
    const std::string path = folder.File("data.csv"), text = Records("r");
    // A tenth: the rest of its last page reads as NULs without a fault, the
    // pages after it fault. A page's end: only faults. Two bytes less: the
    // last number ends at NULs, and nothing faults.
    for (const size_t size : {text.size() / 10, text.size() / 10 / kPage * kPage, text.size() - 2, size_t{0}}) {
        WriteFile(path, text);
        ItemReader reader = ItemReader::Open(path);
        Cut(path, size);
        EXPECT_EQ(ReadAll(reader), values::kErrInputPastEnd) << size;
    }
    // Each of more readers than can be guarded: the others read a copy.
    WriteFile(path, text);
    std::vector<ItemReader> mapped;
    for (int k = 0; k < MappedFileGuard::kSlots; ++k) mapped.push_back(ItemReader::Open(path));
    ItemReader copied = ItemReader::Open(path);
    Cut(path, text.size() / 10);
    EXPECT_EQ(ReadAll(mapped.back()), values::kErrInputPastEnd);
    EXPECT_EQ(ReadAll(copied), 0);
    // A reader gone gives its guard to the next file mapped.
    mapped.pop_back();
    WriteFile(path, text);
    ItemReader next = ItemReader::Open(path);
    Cut(path, text.size() / 10);
    EXPECT_EQ(ReadAll(next), values::kErrInputPastEnd);
}

TEST(CutFile, PagesLostStayLostWhenTheFileGrowsBack) {
    const ScratchFolder folder;
    const std::string path = folder.File("data.csv"), text = Records("r");
    WriteFile(path, text);
    ItemReader reader = ItemReader::Open(path);
    // A part read beyond the cut loses its pages for the whole file,
    // whose length and text then come back.
    ItemReader far = reader.Part(text.size() / 2, text.size());
    Cut(path, text.size() / 10);
    EXPECT_EQ(ReadAll(far), values::kErrInputPastEnd);
    WriteFile(path, text);
    EXPECT_EQ(ReadAll(reader), values::kErrInputPastEnd);

    // Cut and written anew before any lost page was read: read as it is now.
    ItemReader rewritten = ItemReader::Open(path);
    Cut(path, text.size() / 10);
    WriteFile(path, Records("s"));
    EXPECT_TRUE(rewritten.Rest().starts_with("s1,"));
    EXPECT_EQ(ReadAll(rewritten), 0);
}

namespace {

std::string gCutPath;
size_t gCutSize;
long gCutAtStart, gStarts;

void CutAtChosenStart() {
    if (gStarts++ == gCutAtStart) Cut(gCutPath, gCutSize);
}

}  // namespace

// Cut before the reading or as a thread of it starts, while the lines are
// counted or the parts read: error 62, or, where every part was read before
// the cut, the whole file; the tables are as they were after an error.
TEST(CutFile, AConversionOfAFileCutWhileItsPartsAreReadIsInputPastEnd) {
    const ScratchFolder folder;
    const DepthModel m = ConversionModel();
    std::string text = "Sample,Hole,Section,PSP (cm)\r\n";
    for (long r = 1; r <= 20000; ++r) text += "s" + std::to_string(r) + ",A,01," + std::to_string(20 + r % 60) + "\r\n";
    gCutPath = folder.File("samples.csv");
    gCutSize = text.size() / 10;
    const ConversionParts parts{4, 4096, 1000, 1000};  // 16 parts, 4 threads
    auto read = [&](ConversionTables& t) {
        ItemReader file = ItemReader::Open(gCutPath);
        if (gCutAtStart < 0) Cut(gCutPath, gCutSize);
        gStarts = 0;
        gBeforeThreadStart = CutAtChosenStart;
        int error = 0;
        try {
            ReadConversionFile(file, t, MainWindowSide(m, nullptr), parts);
        } catch (const values::RuntimeError& e) {
            error = e.number();
        }
        gBeforeThreadStart = nullptr;
        return error;
    };
    WriteFile(gCutPath, text);
    ConversionTables whole;
    gCutAtStart = 99;
    ASSERT_EQ(read(whole), 0);
    ASSERT_EQ(whole.gConvTrinity.Rows(), 20000);

    long errors = 0;
    for (gCutAtStart = -1; gCutAtStart < 6; ++gCutAtStart) {
        WriteFile(gCutPath, text);
        ConversionTables t;
        const int error = read(t);
        if (error != 0) {
            ++errors;
            EXPECT_EQ(error, values::kErrInputPastEnd) << gCutAtStart;
            EXPECT_EQ(t.gConvDetected, 0);
        } else {
            EXPECT_EQ(t.gConvTrinity.Rows(), 20000) << gCutAtStart;
            EXPECT_TRUE(t.gConvTrinity.composite == whole.gConvTrinity.composite) << gCutAtStart;
        }
    }
    // Before the reading and while the lines are counted, at least.
    EXPECT_GE(errors, 4);
}

TEST(CutFileDeathTest, ASigbusOutsideTheGuardedMappingsStillEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const ScratchFolder folder;
    const std::string path = folder.File("data.csv");
    WriteFile(path, std::string(4 * kPage, '1'));
    auto faultBesideAReader = [&] {
        const test_files::Deadline deadline(20);  // a fault taken for the reader's would come back for good
        ItemReader reader = ItemReader::Open(path);
        const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        const auto* other = static_cast<const volatile char*>(mmap(nullptr, 4 * kPage, PROT_READ, MAP_SHARED, file, 0));
        if (truncate(path.c_str(), 0) != 0 || ReadAll(reader) != values::kErrInputPastEnd) std::_Exit(0);
        std::_Exit(other[2 * kPage]);
    };
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer's handler came first: it reports the fault and ends the program.
    EXPECT_DEATH(faultBesideAReader(), "AddressSanitizer: BUS");
#else
    EXPECT_EXIT(faultBesideAReader(), testing::KilledBySignal(SIGBUS), "");
#endif
}
