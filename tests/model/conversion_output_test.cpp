// The converted data file, compared byte for byte with what it must hold.
#include <gtest/gtest.h>

#include <string>

#include "conversion_fixtures.h"
#include "model/conversion_output.h"
#include "values/runtime_error.h"

using namespace model;
using namespace model_test;

namespace {

const std::string kTrinityHeader = "Sample,Hole,Section,PSP (cm)\r\n";
const std::string kC = "\"Composite depth (correlation model: version 09 Feb. 2024)\"";
const std::string kE = "\"Event free depth (event list: version 12 Feb. 2024)\"";
const std::string kAgeGroup =
    "\"Age (age model: version 01 Mar. 2024)\",\"Age 95.4 % error (+)\",\"Age 68.3 % error (-)\",\"Age unit\"";

class ConvertedFile : public testing::Test {
protected:
    ConvertedFile() {
        m.precision = &precision;
        ages = LoadConversionAges(m);
    }

    void Read(const std::string& text) { ASSERT_FALSE(ReadConversion(t, text, m).refused); }

    // Converts what was read from `from` to `mask` and gives the file written.
    std::string Save(int16_t from, int16_t mask, const MasterColumn* master = nullptr) {
        const std::string path = folder.File("converted.csv");
        const ConversionSave result = SaveConvertedFile(t, from, mask, m, path, Titles(m, ages), master);
        EXPECT_FALSE(result.refused) << result.message;
        return Contents(path);
    }

    model::Precision precision;
    DepthModel m = ConversionModel();
    AgeModelImport ages;
    ConversionTables t;
    ScratchFolder folder;
};

}  // namespace

TEST_F(ConvertedFile, TrinityFileToEveryScale) {
    Read(kTrinityHeader +
         "s1,A,01,15\n"
         "s2,A,01,50\n"
         "s3,\"Core Q-1\",01,90\n"
         "s4,A,01,9.9\n"
         "s5,A,01,-9999\n");
    EXPECT_EQ(Save(kScaleTrinity, 15),
              "\"Sample\",\"Hole\",\"Section\",\"PSP (cm)\"," + kC + "," + kE + "," + kAgeGroup + "\r\n"
              // 1:1 above the first tie; ages and errors between the points at 100 and 195 cm EFD.
              "\"s1\",\"A\",\"01\",\"15\",115,115,1158,13,23,\"cal BP\"\r\n"
              "\"s2\",\"A\",\"01\",\"50\",150,145,1474,19,29,\"cal BP\"\r\n"
              "\"s3\",\"Core Q-1\",\"01\",\"90\",190,185,1895,28,38,\"cal BP\"\r\n"
              // Outside the section, and a no-value PSP: the marker in every derived column, bare,
              // and as text in the unit's text column.
              "\"s4\",\"A\",\"01\",\"9.9\",9999,9999,9999,9999,9999,\"9999\"\r\n"
              "\"s5\",\"A\",\"01\",\"-9999\",-9999,-9999,-9999,-9999,-9999,\"-9999\"\r\n");
}

TEST_F(ConvertedFile, EachTargetUntickedInTurn) {
    Read(kTrinityHeader + "s2,A,01,50\n");
    const std::string inputs = "\"Sample\",\"Hole\",\"Section\",\"PSP (cm)\"";
    const std::string row = "\"s2\",\"A\",\"01\",\"50\"";
    EXPECT_EQ(Save(kScaleTrinity, 1), inputs + "\r\n" + row + "\r\n");
    EXPECT_EQ(Save(kScaleTrinity, 1 + 4 + 8),
              inputs + "," + kE + "," + kAgeGroup + "\r\n" + row + ",145,1474,19,29,\"cal BP\"\r\n");
    EXPECT_EQ(Save(kScaleTrinity, 1 + 2 + 8),
              inputs + "," + kC + "," + kAgeGroup + "\r\n" + row + ",150,1474,19,29,\"cal BP\"\r\n");
    EXPECT_EQ(Save(kScaleTrinity, 1 + 2 + 4), inputs + "," + kC + "," + kE + "\r\n" + row + ",150,145\r\n");
}

TEST_F(ConvertedFile, CompositeDepthFile) {
    Read("Label,Composite depth (cm)\na,150\nb,9999\nc,-9999\nd,115.004\n");
    EXPECT_EQ(Save(kScaleComposite, 2 + 4 + 8),
              "\"Label\",\"Composite depth (cm)\"," + kE + "," + kAgeGroup + "\r\n"
              "\"a\",\"150\",145,1474,19,29,\"cal BP\"\r\n"
              "\"b\",\"9999\",9999,9999,9999,9999,\"9999\"\r\n"
              "\"c\",\"-9999\",-9999,-9999,-9999,-9999,\"-9999\"\r\n"
              "\"d\",\"115.004\",115,1158,13,23,\"cal BP\"\r\n");
    EXPECT_EQ(Save(kScaleComposite, 2 + 4), "\"Label\",\"Composite depth (cm)\"," + kE + "\r\n"
                                            "\"a\",\"150\",145\r\n\"b\",\"9999\",9999\r\n"
                                            "\"c\",\"-9999\",-9999\r\n\"d\",\"115.004\",115\r\n");
}

TEST_F(ConvertedFile, EventFreeDepthFileAndTheHybridUnit) {
    // 250 cm EFD lies between the points in "cal BP" and in "varve yr".
    Read("Label,Event free depth\na,145\nb,250\nc,300.5\n");
    EXPECT_EQ(Save(kScaleEventFree, 2 + 4 + 8),
              "\"Label\",\"Event free depth\"," + kC + "," + kAgeGroup + "\r\n"
              "\"a\",\"145\",150,1474,19,29,\"cal BP\"\r\n"
              "\"b\",\"250\",255,2550,30,40,\"Hybrid unit\"\r\n"
              // Below the last point the last two bracket it: still two units.
              "\"c\",\"300.5\",305.5,3055,30,40,\"Hybrid unit\"\r\n");
}

TEST_F(ConvertedFile, AgeFileCarriesErrorsAndUnitThenTheDepths) {
    Read("Label,Age (cal BP)\na,1474\nb,-9999\nc,2550\n");
    EXPECT_EQ(Save(kScaleAge, 2 + 4 + 8),
              "\"Label\",\"Age (cal BP)\",\"Age 95.4 % error (+)\",\"Age 68.3 % error (-)\",\"Age unit\"," + kC +
                  "," + kE + "\r\n"
                  // 1474 years: 145.03 cm EFD, 150.03 cm composite depth.
                  "\"a\",\"1474\",19,29,\"cal BP\",150.03,145.03\r\n"
                  "\"b\",\"-9999\",-9999,-9999,\"-9999\",-9999,-9999\r\n"
                  "\"c\",\"2550\",30,40,\"Hybrid unit\",255,250\r\n");
    EXPECT_EQ(Save(kScaleAge, 8),
              "\"Label\",\"Age (cal BP)\",\"Age 95.4 % error (+)\",\"Age 68.3 % error (-)\",\"Age unit\"\r\n"
              "\"a\",\"1474\",19,29,\"cal BP\"\r\n\"b\",\"-9999\",-9999,-9999,\"-9999\"\r\n"
              "\"c\",\"2550\",30,40,\"Hybrid unit\"\r\n");
}

TEST_F(ConvertedFile, RoundingTakesAHalfToTheEvenSideAndNumbersAreShortest) {
    Read(kTrinityHeader + "a,A,01,22.5\nb,A,01,23.5\nc,A,01,20.4\n");
    precision.gDepthPrecision = 0;
    EXPECT_EQ(Save(kScaleTrinity, 1 + 2), "\"Sample\",\"Hole\",\"Section\",\"PSP (cm)\"," + kC + "\r\n"
                                          "\"a\",\"A\",\"01\",\"22.5\",122\r\n"
                                          "\"b\",\"A\",\"01\",\"23.5\",124\r\n"
                                          "\"c\",\"A\",\"01\",\"20.4\",120\r\n");
    precision.gDepthPrecision = 4;
    precision.gAgePrecision = 2;
    Read("Label,Composite depth\na,120.4\nb,100.5\nc,0.05\n");
    EXPECT_EQ(Save(kScaleComposite, 2 + 4 + 8),
              "\"Label\",\"Composite depth\"," + kE + "," + kAgeGroup + "\r\n"
              "\"a\",\"120.4\",120.4,1214.74,14.29,24.29,\"cal BP\"\r\n"
              "\"b\",\"100.5\",100.5,1005.26,10.11,20.11,\"cal BP\"\r\n"
              // Extrapolated above the first point; a leading zero, never ".05".
              "\"c\",\"0.05\",0.05,-52.11,-11.04,-1.04,\"cal BP\"\r\n");
}

TEST_F(ConvertedFile, QuotesInTextAreDoubled) {
    // An item that does not begin with a quote keeps the quotes inside it.
    Read("Sample,Hole,Section,PSP\r\nsay \"hi\" twice,A,01,50\r\n");
    EXPECT_EQ(Save(kScaleTrinity, 1 + 2), "\"Sample\",\"Hole\",\"Section\",\"PSP\"," + kC + "\r\n"
                                          "\"say \"\"hi\"\" twice\",\"A\",\"01\",\"50\",150\r\n");
}

// What "Convert and Save" writes, doubled quotes included, the item reader
// reads back cell for cell.
TEST_F(ConvertedFile, WhatIsWrittenReadsBackCellForCell) {
    Read("Label,Hole,Section,PSP\r\n\"a, \"\"b\"\"\",A,01,50\r\nc \"d\",B,01,25\r\n");
    const std::string written = Save(kScaleTrinity, 1 + 2 + 4 + 8);
    ItemReader back(written);
    const TextTable& fields = t.gConvTrinity.fields;
    for (long r = 0; r <= t.gConvTrinity.Rows(); ++r) {
        for (int c = 0; c < 4; ++c) EXPECT_EQ(back.Item(), fields(c, r)) << "row " << r << " column " << c;
        for (int c = 4; c < 10; ++c) back.Item();
    }
    EXPECT_TRUE(back.AtEnd());
}

TEST_F(ConvertedFile, AgesWithoutTheAgeModelAreRefusedAndNothingIsWritten) {
    DepthModel noAges = ConversionModel();
    Read("Label,Age\na,1474\nb,2000\nc,2550\n");
    const std::string path = folder.File("old.csv");
    WriteFile(path, "old contents");
    for (int16_t mask : {0, 2, 4, 8, 14}) {
        const ConversionSave r = SaveConvertedFile(t, kScaleAge, mask, noAges, path, Titles(noAges));
        EXPECT_TRUE(r.refused);
        EXPECT_EQ(r.message, kConversionNeedsAgeModel);
    }
    Read("Label,Composite depth\na,150\nb,9999\nc,1\n");
    EXPECT_TRUE(SaveConvertedFile(t, kScaleComposite, 2 + 8, noAges, path, Titles(noAges)).refused);
    EXPECT_FALSE(SaveConvertedFile(t, kScaleComposite, 2 + 4, noAges, folder.File("new.csv"), Titles(noAges)).refused);
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(folder.Names(), (std::vector<std::string>{"new.csv", "old.csv"}));
}

TEST_F(ConvertedFile, ATrinityFileReadBeforeTheEventListHasNoEventFreeDepthsToGive) {
    const DepthModel before = ConversionModel(false);
    ASSERT_FALSE(ReadConversion(t, kTrinityHeader + "s1,A,01,50\n", before).refused);
    EXPECT_FALSE(t.gConvTrinity.HasEventFree());
    EXPECT_EQ(t.gConvTrinity.eventFreeTitle, "");
    // The event list and ages loaded since do not give the file what it was read without.
    for (int16_t mask : {1 + 4, 1 + 8}) {
        const ConversionSave r = SaveConvertedFile(t, kScaleTrinity, mask, m, folder.File("x.csv"), Titles(m, ages));
        EXPECT_TRUE(r.refused);
        EXPECT_EQ(r.message, kConversionNeedsEventFreeDepths);
    }
    EXPECT_TRUE(folder.Names().empty());
    EXPECT_EQ(Save(kScaleTrinity, 1 + 2), "\"Sample\",\"Hole\",\"Section\",\"PSP (cm)\"," + kC + "\r\n"
                                          "\"s1\",\"A\",\"01\",\"50\",150\r\n");
}

TEST_F(ConvertedFile, AValueThatIsNotANumberFailsBeforeAnythingIsWritten) {
    Read("Label,Composite depth\na,150\nb,deep\nc,1\n");
    const std::string path = folder.File("old.csv");
    WriteFile(path, "old contents");
    EXPECT_THROW(SaveConvertedFile(t, kScaleComposite, 2 + 4, m, path, Titles(m, ages)), values::RuntimeError);
    EXPECT_EQ(Contents(path), "old contents");
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"old.csv"});
}

TEST_F(ConvertedFile, TheDuoWindowAddsTheMasterCoreAfterEveryOwnCompositeDepth) {
    const MasterColumn master{"Composite depth (Master)", [](float d) { return d + 1000.004f; }};
    const std::string mc = "\"Composite depth (Master)\"";
    Read("Label,Composite depth\na,150\nb,-9999\nc,1\n");
    EXPECT_EQ(Save(kScaleComposite, 2, &master),
              "\"Label\",\"Composite depth\"," + mc + "\r\n\"a\",\"150\",1150\r\n\"b\",\"-9999\",9999\r\n"
              "\"c\",\"1\",1001\r\n");
    EXPECT_EQ(Save(kScaleComposite, 2 + 4, &master),
              "\"Label\",\"Composite depth\"," + mc + "," + kE + "\r\n\"a\",\"150\",1150,145\r\n"
              "\"b\",\"-9999\",9999,-9999\r\n\"c\",\"1\",1001,1\r\n");

    Read("Label,Event free depth\na,145\nb,9999\nc,1\n");
    EXPECT_EQ(Save(kScaleEventFree, 4 + 2, &master), "\"Label\",\"Event free depth\"," + kC + "," + mc +
                                                         "\r\n\"a\",\"145\",150,1150\r\n\"b\",\"9999\",9999,9999\r\n"
                                                         "\"c\",\"1\",1,1001\r\n");

    Read("Label,Age\na,1474\nb,2000\nc,2550\n");
    EXPECT_EQ(Save(kScaleAge, 8 + 2 + 4, &master),
              "\"Label\",\"Age\",\"Age 95.4 % error (+)\",\"Age 68.3 % error (-)\",\"Age unit\"," + kC + "," + mc +
                  "," + kE + "\r\n\"a\",\"1474\",19,29,\"cal BP\",150.03,1150.03,145.03\r\n"
                  "\"b\",\"2000\",30,40,\"Hybrid unit\",200,1200,195\r\n"
                  "\"c\",\"2550\",30,40,\"Hybrid unit\",255,1255,250\r\n");

    Read(kTrinityHeader + "s2,A,01,50\n");
    EXPECT_EQ(Save(kScaleTrinity, 15, &master), "\"Sample\",\"Hole\",\"Section\",\"PSP (cm)\"," + kC + "," + mc +
                                                    "," + kE + "," + kAgeGroup + "\r\n" +
                                                    "\"s2\",\"A\",\"01\",\"50\",150,1150,145,1474,19,29,\"cal BP\"\r\n");
}

// Records are written in runs side by side: a file of many runs holds every
// record once, in the rows' order, and the master column, whose link keeps
// where its last level was, is asked for the rows one after the other.
// Every writer's buffer is used again run after run, and the long labels of
// every other record (longer than a cell's one-byte length too) fill it
// more than once a run.
TEST_F(ConvertedFile, AFileOfManyRunsHoldsEveryRecordInOrder) {
    constexpr long kRecords = 100003;
    long asked = 0;
    const MasterColumn master{"Composite depth (Master)", [&asked](float) { return static_cast<float>(++asked); }};
    auto label = [](long r) { return "s" + std::to_string(r) + (r % 2 ? std::string(300, 'x') : ""); };
    std::string input = kTrinityHeader;
    for (long r = 1; r <= kRecords; ++r) input += label(r) + (r % 3 ? ",A,01,15\n" : ",A,01,50\n");
    Read(input);
    std::string expected = "\"Sample\",\"Hole\",\"Section\",\"PSP (cm)\"," + kC + ",\"Composite depth (Master)\"," +
                           kE + "," + kAgeGroup + "\r\n";
    for (long r = 1; r <= kRecords; ++r)
        expected += "\"" + label(r) + "\",\"A\",\"01\",\"" + (r % 3 ? "15\",115," : "50\",150,") +
                    std::to_string(r) + (r % 3 ? ",115,1158,13,23,\"cal BP\"\r\n" : ",145,1474,19,29,\"cal BP\"\r\n");
    EXPECT_EQ(Save(kScaleTrinity, 15, &master), expected);
    EXPECT_EQ(asked, kRecords);
}
