// Threads that the system cannot start (no thread left to the user, no
// memory for a stack): a conversion goes on with those that did start, down
// to the caller's own, and gives what it gives with all of them.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <system_error>

#include "conversion_fixtures.h"
#include "model/conversion_input.h"
#include "model/conversion_output.h"
#include "model/side_by_side.h"

using namespace model;
using namespace model_test;

namespace {

constexpr long kRecords = 20000;
// Small parts on four threads: three helpers a share of the reading, three
// for the positions, four writers of runs of 1,000 records.
const ConversionParts kSmallParts{4, 4096, 1000, 1000};

std::atomic<long> gStarted{0};
long gFailing = -1;  // the start that fails; every one from gFailingFrom on
long gFailingFrom = -1;

void FailChosenStarts() {
    const long k = gStarted++;
    if (k == gFailing || (gFailingFrom >= 0 && k >= gFailingFrom))
        throw std::system_error(std::make_error_code(std::errc::resource_unavailable_try_again));
}

std::string Positions() {
    const char* records[] = {"A,01,15", "A,1,50", "\"Core Q-1\",001,90", "A,01,9.9", "Z,01,50", "A,01,-9999", "B,01,25"};
    std::string text = "Sample,Hole,Section,PSP (cm)\r\n";
    for (long r = 1; r <= kRecords; ++r) text += "s" + std::to_string(r) + "," + records[r % 7] + "\r\n";
    return text;
}

class ThreadStarts : public testing::Test {
protected:
    void SetUp() override {
        LoadConversionAges(m);
        gBeforeThreadStart = FailChosenStarts;
    }
    void TearDown() override { gBeforeThreadStart = nullptr; }

    // The starts that `run` asks for when every one succeeds; then `run`
    // with each of them failing alone, and with all failing.
    template <class Run>
    long EachStartFailing(Run run) {
        gStarted = 0;
        gFailing = gFailingFrom = -1;
        run("none");
        const long starts = gStarted;
        for (long k = 0; k <= starts; ++k) {
            gStarted = 0;
            gFailing = k < starts ? k : -1;
            gFailingFrom = k < starts ? -1 : 0;
            run(k < starts ? "start " + std::to_string(k) : std::string("all"));
        }
        return starts;
    }

    ScratchFolder folder;
    DepthModel m = ConversionModel();
};

std::string Tables(const ConversionTables& t) {
    std::string text;
    for (long r = 0; r <= t.gConvTrinity.Rows(); ++r)
        for (int c = 0; c < 4; ++c) text += std::string(t.gConvTrinity.fields(c, r)) + ",";
    for (double v : t.gConvTrinity.composite) text += std::to_string(v) + ",";
    for (double v : t.gConvTrinity.eventFree) text += std::to_string(v) + ",";
    return text;
}

}  // namespace

TEST_F(ThreadStarts, AReadingGivesWhatAllItsThreadsGive) {
    const std::string text = Positions();
    ConversionTables all;
    ItemReader file(text);
    ReadConversionFile(file, all, MainWindowSide(m, nullptr), kSmallParts);
    const std::string expected = Tables(all);
    ASSERT_EQ(all.gConvTrinity.Rows(), kRecords);

    const long starts = EachStartFailing([&](const std::string& failing) {
        ConversionTables t;
        ItemReader again(text);
        ASSERT_FALSE(ReadConversionFile(again, t, MainWindowSide(m, nullptr), kSmallParts).refused) << failing;
        EXPECT_EQ(t.gConvDetected, kScaleTrinity) << failing;
        EXPECT_TRUE(Tables(t) == expected) << failing;
    });
    EXPECT_EQ(starts, 6);  // the helpers that look over the parts (each holds a quote) and convert the positions
}

TEST_F(ThreadStarts, ASaveWritesWhatAllItsThreadsWrite) {
    ConversionTables t;
    ItemReader file(Positions());
    ReadConversionFile(file, t, MainWindowSide(m, nullptr), kSmallParts);
    const std::string target = folder.File("converted.csv");
    ASSERT_FALSE(SaveConvertedFile(t, kScaleTrinity, 15, m, target, Titles(m), nullptr, kSmallParts).refused);
    const std::string expected = Contents(target);

    const long starts = EachStartFailing([&](const std::string& failing) {
        WriteFile(target, "old");
        ASSERT_FALSE(SaveConvertedFile(t, kScaleTrinity, 15, m, target, Titles(m), nullptr, kSmallParts).refused)
            << failing;
        EXPECT_TRUE(Contents(target) == expected) << failing;
        EXPECT_EQ(folder.Names(), std::vector<std::string>{"converted.csv"}) << failing;
    });
    EXPECT_EQ(starts, 4);  // a writer a thread, each writing every fourth run
}
