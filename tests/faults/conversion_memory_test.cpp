// Memory that runs out anywhere in a conversion, one allocation after the
// other: the reading fails with error 7 and leaves the tables as they were;
// the save fails with error 7 and leaves the target as it was, nothing
// beside it; nothing else escapes. Where the failing allocation was one the
// conversion can do without (a part read or converted side by side), the
// result is the whole conversion.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/conversion_fixtures.h"
#include "faults/allocation_faults.h"
#include "values/runtime_error.h"
#include "model/conversion_input.h"
#include "model/conversion_output.h"

using namespace model;
using namespace model_test;

namespace {

constexpr long kRecords = 1000;
// Parts and runs of a hundred or so records on four threads, so that the
// reading and the writing are shared out and several runs are in flight.
const ConversionParts kSmallParts{4, 1024, 100, 150};

std::string Positions(const std::string& prefix) {
    const char* records[] = {"A,01,15", "A,1,50", "\"Core Q-1\",001,90", "A,01,9.9", "Z,01,50", "A,01,-9999", "B,01,25"};
    std::string text = "Sample,Hole,Section,PSP (cm)\r\n";
    for (long r = 1; r <= kRecords; ++r) text += prefix + std::to_string(r) + "," + records[r % 7] + "\r\n";
    return text;
}

std::string Tables(const ConversionTables& t) {
    std::string text = std::to_string(t.gConvDetected) + std::to_string(t.gConvFrom) + ",";
    for (long r = 0; r < t.gConvTrinity.fields.Rows(); ++r)
        for (int c = 0; c < 4; ++c) text += std::string(t.gConvTrinity.fields(c, r)) + ",";
    for (double v : t.gConvTrinity.composite) text += std::to_string(v) + ",";
    for (double v : t.gConvTrinity.eventFree) text += std::to_string(v) + ",";
    for (long r = 0; r < t.gConvTable.fields.Rows(); ++r)
        for (int c = 0; c < 2; ++c) text += std::string(t.gConvTable.fields(c, r)) + ",";
    return text;
}

// Runs `call` with allocation `n` failing: 0 when it completed, else the
// number of the run-time error it ended with. Anything else escapes.
template <class Call>
int Failing(long n, Call call) {
    faults::FailingAllocation fault(n);
    try {
        call();
        return 0;
    } catch (const values::RuntimeError& e) {
        return e.number();
    }
}

class MemoryRunsOut : public testing::Test {
protected:
    void SetUp() override { LoadConversionAges(m); }

    ScratchFolder folder;
    DepthModel m = ConversionModel();
};

}  // namespace

TEST_F(MemoryRunsOut, WhileAFileIsRead) {
    const std::string earlierText = Positions("e"), text = Positions("s");
    ConversionTables t, whole;
    ItemReader earlier(earlierText), file(text);
    ReadConversionFile(earlier, t, MainWindowSide(m, nullptr), kSmallParts);
    const std::string before = Tables(t);
    const ConversionSide counted = MainWindowSide(m, nullptr);
    faults::Allocations();
    ReadConversionFile(file, whole, counted, kSmallParts);
    const long count = faults::Allocations();
    const std::string read = Tables(whole);

    const ConversionSide side = MainWindowSide(m, nullptr);
    long failed = 0;
    for (long n : faults::Chosen(count, 600)) {
        ConversionTables again = t;
        ItemReader same(text);
        const int error = Failing(n, [&] { ReadConversionFile(same, again, side, kSmallParts); });
        if (error == 0) {
            EXPECT_TRUE(Tables(again) == read) << n;
        } else {
            ++failed;
            EXPECT_EQ(error, values::kErrOutOfMemory) << n;
            EXPECT_TRUE(Tables(again) == before) << n;
        }
    }
    // Most allocations are needed; a part's own are not.
    EXPECT_GT(failed, 0);
}

TEST_F(MemoryRunsOut, WhileAFileIsConvertedAndWritten) {
    ConversionTables t;
    ItemReader file(Positions("s"));
    ReadConversionFile(file, t, MainWindowSide(m, nullptr), kSmallParts);
    const std::string target = folder.File("converted.csv");
    const ConversionTitles counted = Titles(m);
    faults::Allocations();
    ASSERT_FALSE(SaveConvertedFile(t, kScaleTrinity, 15, m, target, counted, nullptr, kSmallParts).refused);
    const long count = faults::Allocations();
    const std::string whole = Contents(target);

    const ConversionTitles titles = Titles(m);
    long failed = 0;
    for (long n : faults::Chosen(count, 600)) {
        WriteFile(target, "old");
        const int error =
            Failing(n, [&] { SaveConvertedFile(t, kScaleTrinity, 15, m, target, titles, nullptr, kSmallParts); });
        if (error == 0) {
            EXPECT_TRUE(Contents(target) == whole) << n;
        } else {
            ++failed;
            EXPECT_EQ(error, values::kErrOutOfMemory) << n;
            EXPECT_EQ(Contents(target), "old") << n;
        }
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"converted.csv"}) << n;
    }
    EXPECT_GT(failed, 0);
}
