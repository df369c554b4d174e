#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "conversion_fixtures.h"
#include "model/conversion_input.h"
#include "values/runtime_error.h"

using namespace model;
using namespace model_test;

namespace {

const std::string kTrinityHeader = "Sample,Hole,Section,PSP (cm)\r\n";

std::vector<double> Column(const LargeArray<double>& column) { return {column.begin() + 1, column.end()}; }

}  // namespace

TEST(ConversionInput, ProbeNeedsEightItemsAndAOneValueFileThreeRecords) {
    const DepthModel m = ConversionModel();
    ConversionTables t;
    EXPECT_THROW(ReadConversion(t, "a,b,c,d\na,A,01\n", m), values::RuntimeError);  // seven items
    EXPECT_EQ(t.gConvDetected, 0);

    EXPECT_FALSE(ReadConversion(t, kTrinityHeader + "s1,A,01,50", m).refused);
    EXPECT_EQ(t.gConvTrinity.Rows(), 1);
    EXPECT_EQ(t.gConvDetected, kScaleTrinity);
    EXPECT_EQ(t.gConvFrom, kScaleTrinity);

    // A header and two records are six items; the probe fails.
    EXPECT_THROW(ReadConversion(t, "Label,Composite depth\na,1\nb,2\n", m), values::RuntimeError);
    EXPECT_EQ(t.gConvDetected, kScaleTrinity);  // kept from the last complete reading
    EXPECT_FALSE(ReadConversion(t, "Label,Composite depth\na,1\nb,2\nc,3\n", m).refused);
    EXPECT_EQ(t.gConvTable.Rows(), 3);
    // An odd number of items after the eighth leaves a record cut short.
    EXPECT_THROW(ReadConversion(t, "Label,Value\na,1\nb,2\nc,3\nd\n", m), values::RuntimeError);
}

TEST(ConversionInput, TheSixthItemTellsTheKindAndTheValueTitleTheScale) {
    const DepthModel m = ConversionModel();
    ConversionTables t;
    auto kind = [&](const std::string& sixth, const std::string& title = "Composite depth (cm)") {
        ReadConversion(t, "Label,\"" + title + "\"\na,1\nb," + sixth + "\nc,3\nd,4\ne,5\n", m);
        return t.gConvFrom == kScaleTrinity ? 1 : t.gConvDetected;
    };
    for (const char* plain : {"12.5", "-9999", "0.5", "0"}) EXPECT_EQ(kind(plain), kScaleComposite) << plain;
    // A value written as spreadsheets write it is a value too, not a bore hole.
    for (const char* written : {"12.50", "250.00", ".5", "+2", "-0.50", "007"})
        EXPECT_EQ(kind(written), kScaleComposite) << written;
    // Texts that are not wholly a number: a trinity file, read as one.
    for (const char* text : {"A", "\" 12\"", "1e3", "12.5.0", "2a", "+", "."})
        EXPECT_EQ(kind(text), kScaleTrinity) << text;

    EXPECT_EQ(kind("1", "Event free depth"), kScaleEventFree);
    EXPECT_EQ(kind("1", "Age (cal BP)"), kScaleAge);
    EXPECT_EQ(kind("1", "composite depth"), kScaleEventFree);  // compared case-sensitively
    EXPECT_EQ(kind("1", "Depth"), kScaleEventFree);
    EXPECT_EQ(t.gConvFrom, kScaleEventFree);
    EXPECT_EQ(t.gConvTable.fields(1, 0), "Depth");
    EXPECT_EQ(t.gConvTable.fields(0, 5), "e");
    EXPECT_EQ(t.gConvTable.fields(1, 5), "5");
}

TEST(ConversionInput, AOneValueFileWithTrailingZerosKeepsEveryRecord) {
    // Taken for a trinity file, its first record would join the header and
    // every row would be placed nowhere; with five records it would not read.
    const DepthModel m = ConversionModel();
    ConversionTables t;
    for (const std::string& rest : {std::string("d,300.00\n"), std::string("d,300.00\ne,325.50\n")}) {
        ASSERT_FALSE(ReadConversion(t, "Label,Composite depth (cm)\na,200.00\nb,250.00\nc,275.10\n" + rest, m).refused);
        EXPECT_EQ(t.gConvDetected, kScaleComposite);
        EXPECT_EQ(t.gConvTable.fields(0, 1), "a");
        EXPECT_EQ(t.gConvTable.fields(1, 2), "250.00");
        EXPECT_EQ(t.gConvTable.fields(1, 4), "300.00");
    }
    EXPECT_EQ(t.gConvTable.Rows(), 5);
}

TEST(ConversionInput, AOneValueFileWithoutTheEventListIsRefusedOnlyWithItsOwnMessage) {
    const DepthModel withEvents = ConversionModel(), without = ConversionModel(false);
    ConversionTables t;
    ReadConversion(t, "Label,Age\na,1\nb,2\nc,3\n", withEvents);
    ASSERT_EQ(t.gConvDetected, kScaleAge);

    const ConversionReading r = ReadConversion(t, "Label,Composite depth\nx,1\ny,2\nz,3\nw,4\n", without);
    EXPECT_TRUE(r.refused);
    EXPECT_EQ(r.message, "Please import list of events. Sample file is available at "
                         "examples/QL22_event_layers_20240212.csv.");
    // Nothing thrown, so the window shows no "File format error." after it;
    // the last one-value table and kind stay.
    EXPECT_EQ(t.gConvDetected, kScaleAge);
    EXPECT_EQ(t.gConvTable.Rows(), 3);
    EXPECT_EQ(t.gConvTable.fields(0, 1), "a");
    EXPECT_EQ(t.gConvFrom, kScaleEventFree);
}

TEST(ConversionInput, PositionsAreConvertedInsideTheirSectionOnly) {
    const DepthModel m = ConversionModel();
    ConversionTables t;
    ReadConversion(t,
                   kTrinityHeader +
                       "s1,A,01,15\n"                    // 1:1 above the first tie: 115
                       "s2,A,1,50\n"                     // between the ties: 150, less the layer above
                       "s3,\"Core Q-1\",001,90\n"        // long name, at the last tie row's PSP: 190
                       "s4,A,01,9.9\ns5,A,01,90.1\n"     // 0.1 cm outside: not extrapolated
                       "s6,a,01,50\ns7,Z,01,50\n"        // no such bore hole (names are case-sensitive)
                       "s8,A,02,50\n"                    // no such section
                       "s9,A,01,-9999\ns10,Q,x,9999.0\n",  // no-value PSPs are kept
                   m);
    ASSERT_EQ(t.gConvTrinity.Rows(), 10);
    EXPECT_EQ(Column(t.gConvTrinity.composite),
              (std::vector<double>{115, 150, 190, 9999, 9999, 9999, 9999, 9999, -9999, 9999}));
    EXPECT_EQ(Column(t.gConvTrinity.eventFree),
              (std::vector<double>{115, 145, 185, 9999, 9999, 9999, 9999, 9999, -9999, 9999}));
    EXPECT_EQ(t.gConvTrinity.fields(3, 10), "9999.0");  // the field itself as read
    EXPECT_EQ(t.gConvTrinity.compositeTitle, "Composite depth (correlation model: version 09 Feb. 2024)");
    EXPECT_EQ(t.gConvTrinity.eventFreeTitle, "Event free depth (event list: version 12 Feb. 2024)");
}

TEST(ConversionInput, ASectionWithoutClosingRowAndAPositionWithoutTiesDoNotFail) {
    const DepthModel m = ConversionModel();
    ConversionTables t;
    // B-01 has no closing row: no upper bound, where a bound would be read
    // from the header. At PSP 55 its walk finds no tie below: 9999, never 0.
    EXPECT_FALSE(ReadConversion(t, kTrinityHeader + "s1,B,01,25\ns2,B,01,55\n", m).refused);
    EXPECT_EQ(Column(t.gConvTrinity.composite), (std::vector<double>{150, 9999}));
    EXPECT_EQ(Column(t.gConvTrinity.eventFree), (std::vector<double>{145, 9999}));
}

// A reading that fails or is refused leaves every table as the last
// complete reading left it: "Convert and Save" never meets half a file.
TEST(ConversionInput, AReadingThatDoesNotCompleteLeavesTheTablesAsTheyWere) {
    const DepthModel m = ConversionModel(), withoutEvents = ConversionModel(false);
    ConversionTables t;
    ASSERT_FALSE(ReadConversion(t, "Label,Age\na,1\nb,2\nc,3\n", m).refused);
    ASSERT_FALSE(ReadConversion(t, kTrinityHeader + "s1,A,01,50\ns2,A,01,15\n", m).refused);
    auto expectAsRead = [&](const char* what) {
        EXPECT_EQ(t.gConvTrinity.Rows(), 2) << what;
        EXPECT_EQ(t.gConvTrinity.fields(0, 2), "s2") << what;
        EXPECT_EQ(Column(t.gConvTrinity.composite), (std::vector<double>{150, 115})) << what;
        EXPECT_EQ(Column(t.gConvTrinity.eventFree), (std::vector<double>{145, 115})) << what;
        EXPECT_EQ(t.gConvTable.Rows(), 3) << what;
        EXPECT_EQ(t.gConvTable.fields(0, 3), "c") << what;
        EXPECT_EQ(t.gConvDetected, kScaleTrinity) << what;
        EXPECT_EQ(t.gConvFrom, kScaleTrinity) << what;
    };
    // A PSP that is not a number, a record cut short, a probe cut short.
    EXPECT_THROW(ReadConversion(t, kTrinityHeader + "x1,A,01,50\nx2,Z,01,abc\nx3,A,01,60\n", m), values::RuntimeError);
    expectAsRead("PSP");
    EXPECT_THROW(ReadConversion(t, kTrinityHeader + "x1,A,01,50\nx2,A,01\n", m), values::RuntimeError);
    expectAsRead("record cut short");
    EXPECT_THROW(ReadConversion(t, "Label,Value\nx,1\ny,2\nz,3\nw\n", m), values::RuntimeError);
    expectAsRead("one-value record cut short");
    EXPECT_TRUE(ReadConversion(t, "Label,Value\nx,1\ny,2\nz,3\n", withoutEvents).refused);
    expectAsRead("refusal");
}

TEST(ConversionInput, DuoBoreHolesCountOnlyWhileTheDuoModelIsLoaded) {
    const DepthModel m = ConversionModel();
    DuoStandIn duo;
    const std::string file = kTrinityHeader + "s1,E,01,50\ns2,Duo core 2,01,30\ns3,E,01,100.5\ns4,E,02,10\n";
    ConversionTables t;
    ReadConversion(t, file, m, &duo);
    // Through the Duo model (PSP + 40) onto the main composite depth (+ 1000).
    EXPECT_EQ(Column(t.gConvTrinity.composite), (std::vector<double>{1090, 1070, 9999, 9999}));
    EXPECT_EQ(Column(t.gConvTrinity.eventFree), (std::vector<double>{1085, 1065, 9999, 9999}));
    duo.loaded = false;
    ReadConversion(t, file, m, &duo);
    EXPECT_EQ(Column(t.gConvTrinity.composite), (std::vector<double>{9999, 9999, 9999, 9999}));
}

TEST(ConversionInput, TheDuoWindowKeepsItsOwnCompositeDepth) {
    // The Duo window's reading: its own model is home (its event list and
    // versions), main bore holes come over through MainToDuoCD (here x 2),
    // its own positions stay as they come.
    const DepthModel main = ConversionModel();
    DepthModel duoModel = ConversionModel(false);
    duoModel.gVerCorrelation = "01 Mar. 2024";
    DuoStandIn duo;
    ConversionSide side{duoModel, main, &duo, [](float d) { return 2 * d; }, nullptr};
    ConversionTables t;
    ItemReader file(kTrinityHeader + "s1,A,01,50\ns2,E,01,50\n");
    ReadConversionFile(file, t, side);
    EXPECT_EQ(Column(t.gConvTrinity.composite), (std::vector<double>{300, 90}));
    EXPECT_FALSE(t.gConvTrinity.HasEventFree());
    EXPECT_EQ(t.gConvTrinity.compositeTitle, "Composite depth (correlation model: version 01 Mar. 2024)");
}

TEST(ConversionInput, APositionAtItsSectionsFirstOrLastTieIsPlacedInBothWindows) {
    // Tie PSPs that single precision cannot hold: a sample typed at exactly a
    // tie's PSP lies in its section and gets that tie's composite depth.
    DepthModel m;
    LoadCorrelation(m, CorrelationHeader() + TieRow("", "200", "A-01-top", "0.1") +
                           TieRow("", "300", "A-01-Bot", "100.1"));
    const std::string file =
        kTrinityHeader + "s1,A,01,0.1\ns2,A,01,100.1\ns3,A,01,50.1\ns4,A,01,0.09\ns5,A,01,100.11\n";
    auto expectTies = [](const ConversionTables& t, double scale) {
        const std::vector<double> cd = Column(t.gConvTrinity.composite);
        ASSERT_EQ(cd.size(), 5u);
        EXPECT_NEAR(cd[0], 200 * scale, 1e-3);
        EXPECT_NEAR(cd[1], 300 * scale, 1e-3);
        EXPECT_NEAR(cd[2], 250 * scale, 1e-3);
        EXPECT_EQ(cd[3], 9999);
        EXPECT_EQ(cd[4], 9999);
    };
    ConversionTables t;
    ReadConversion(t, file, m);
    expectTies(t, 1);

    // The Duo window's reading of main bore holes (through MainToDuoCD, here x 2).
    const DepthModel duoModel = ConversionModel(false);
    ConversionSide duoSide{duoModel, m, nullptr, [](float d) { return 2 * d; }, nullptr, false};
    ItemReader duoFile(file);
    ReadConversionFile(duoFile, t, duoSide);
    expectTies(t, 2);

    // Bore holes of the Duo model, whose sections end at ties written the same way.
    struct TiesAtTenths : DuoStandIn {
        model::SectionEnds SectionEnds2(int16_t, int16_t) const override { return {"0.1", "100.1"}; }
        model::TrinityDepth TrinityToCD2(int16_t, int16_t, float psp) const override { return 2.0 * psp; }
    } duo;
    ReadConversion(t, kTrinityHeader + "s1,E,01,0.1\ns2,E,01,100.1\ns3,E,01,100.2\n", m, &duo);
    const std::vector<double> cd = Column(t.gConvTrinity.composite);
    EXPECT_NEAR(cd[0], 1000.2, 1e-3);
    EXPECT_NEAR(cd[1], 1200.2, 1e-3);
    EXPECT_EQ(cd[2], 9999);
}

// A long file is converted in parts side by side: every row gets what a
// short file gives it, and a fault in any row fails the reading as one pass
// meets it.
TEST(ConversionInput, ALongFileGivesEveryRowWhatAShortOneGives) {
    const DepthModel m = ConversionModel();
    const char* records[] = {"A,01,15", "A,1,50", "\"Core Q-1\",001,90", "A,01,9.9", "Z,01,50", "A,01,-9999", "B,01,25"};
    const std::vector<double> composite{115, 150, 190, 9999, 9999, -9999, 150}, eventFree{115, 145, 185, 9999, 9999, -9999, 145};
    constexpr long kRows = 100000, kFault = 70001;
    std::string text = kTrinityHeader;
    for (long r = 1; r <= kRows; ++r) text += "s" + std::to_string(r) + "," + records[r % 7] + "\n";
    ConversionTables t;
    ASSERT_FALSE(ReadConversion(t, text, m).refused);
    ASSERT_EQ(t.gConvTrinity.Rows(), kRows);
    for (long r = 1; r <= kRows; ++r) {
        ASSERT_EQ(t.gConvTrinity.composite[r], composite[r % 7]) << r;
        ASSERT_EQ(t.gConvTrinity.eventFree[r], eventFree[r % 7]) << r;
    }

    // The tables stay as the reading above left them.
    const size_t at = text.find("\ns" + std::to_string(kFault) + ",") + 1;
    text.replace(text.find('\n', at) - 2, 2, "xy");  // its PSP is no number
    text.replace(text.find("s1,") + 1, 1, "x");
    EXPECT_THROW(ReadConversion(t, text, m), values::RuntimeError);
    ASSERT_EQ(t.gConvTrinity.Rows(), kRows);
    EXPECT_EQ(t.gConvTrinity.fields(0, 1), "s1");
    EXPECT_EQ(t.gConvTrinity.composite[kFault], composite[kFault % 7]);
    EXPECT_EQ(t.gConvTrinity.composite[kRows], composite[kRows % 7]);
}

// A long file is read in parts side by side: records that run over line
// ends (five items on one line, three on the next) and quotes elsewhere in
// the file give the very fields one reader gives.
TEST(ConversionInput, ALongFileReadInPartsHoldsWhatOneReaderReads) {
    const DepthModel m = ConversionModel();
    constexpr long kRows = 200000;
    auto item = [](long i) {
        const long r = i / 4 + 1;
        switch (i % 4) {
            case 0: return "s" + std::to_string(r);
            case 1: return std::string(r % 5 ? "A" : "Core Q-1");
            case 2: return std::string("01");
            default: return std::to_string(15 + r % 70);
        }
    };
    for (bool quoted : {false, true}) {
        std::string text = kTrinityHeader;
        for (long i = 0; i < 4 * kRows;) {
            const long line = (i / 4) % 2 ? 3 : 5;
            for (long k = 0; k < line && i < 4 * kRows; ++k, ++i) {
                text += k ? "," : "";
                text += quoted && i == 2 * kRows + 1 ? "\"" + item(i) + "\"" : item(i);
            }
            text += "\r\n";
        }
        ConversionTables t;
        ASSERT_FALSE(ReadConversion(t, text, m).refused);
        ASSERT_EQ(t.gConvTrinity.Rows(), kRows);
        for (long i = 0; i < 4 * kRows; ++i) ASSERT_EQ(t.gConvTrinity.fields(i % 4, i / 4 + 1), item(i)) << i;
        EXPECT_EQ(t.gConvTrinity.composite[5], 120);  // PSP 20 in bore hole A by its long name
    }
}
