#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/proxy_import.h"
#include "model/proxy_preview.h"
#include "proxy_fixtures.h"
#include "values/runtime_error.h"

using namespace model;
using namespace proxy_test;

namespace {

using Row = std::array<std::string, 3>;

class ProxyImportTest : public testing::Test {
protected:
    DepthModel m = TwoBoreHoleModel();
};

// A value file of `rows` samples and `cols` columns.
std::string ValueFile(long rows, int cols) {
    std::string text = "Depth";
    for (int c = 1; c <= cols; ++c) text += ",C" + std::to_string(c);
    text += "\n";
    for (long i = 1; i <= rows; ++i) {
        text += std::to_string(i);
        for (int c = 1; c <= cols; ++c) text += "," + std::to_string(c);
        text += "\n";
    }
    return text;
}

// A Duo model seen through its link: bore holes "E" to "H", section "1" only,
// placed 40 cm below its PSP, 1000 cm deeper in the master core.
struct DuoStub : DuoModelLink {
    bool ModelLoaded() const override { return true; }
    std::string BoreHoleName(int k) const override { return std::string(1, static_cast<char>('D' + k)); }
    int16_t GetSectionNo2(int16_t boreHole, std::string_view name) const override {
        return boreHole >= 1 && name == "1" ? 1 : 9999;
    }
    TrinityDepth TrinityToCD2(int16_t, int16_t section, float psp) const override {
        return section == 1 ? TrinityDepth(psp + 40.0) : TrinityDepth(kNoValue);
    }
    float DuoToMainCD(float d) const override { return d + 1000; }
    std::string BoreHoleLongName(int) const override { return ""; }
    SectionEnds SectionEnds2(int16_t, int16_t) const override { return {}; }
};

}  // namespace

TEST(ProxyFileTitle, DropsFolderExtensionAndTheMarker) {
    EXPECT_EQ(ProxyFileTitle("C:\\data\\core XRF for QY.csv"), "core XRF");
    EXPECT_EQ(ProxyFileTitle("C:\\data\\core XRF for_QY.csv"), "core XRF");
    EXPECT_EQ(ProxyFileTitle("/home/lab/core XRF.csv"), "core XRF");
    EXPECT_EQ(ProxyFileTitle("C:\\ab.csv"), "ab");
    // No folder within the last 500 characters, or a name too short: a silent end.
    EXPECT_EQ(ProxyFileTitle("ab.csv"), std::nullopt);
    EXPECT_EQ(ProxyFileTitle("C:\\" + std::string(497, 'x') + ".csv"), std::nullopt);
    EXPECT_EQ(ProxyFileTitle("C:\\" + std::string(496, 'x') + ".csv"), std::string(496, 'x'));
    EXPECT_EQ(ProxyFileTitle("C:\\d\\ab"), std::nullopt);
    EXPECT_EQ(ProxyFileTitle("C:\\d\\for QY.csv"), std::nullopt);
}

TEST(ProxyFileTitle, PlainNumbersAreTheirOwnShortestSingleText) {
    for (const char* yes : {"12", "-3.5", "0.25", "1E+20", "3.141593"}) EXPECT_TRUE(IsPlainNumber(yes)) << yes;
    for (const char* no : {"01", "1.0", ".5", "+2", "1e3", "Ti", "", "-0", "3.1415927", " 1"})
        EXPECT_FALSE(IsPlainNumber(no)) << no;
    EXPECT_THROW(IsPlainNumber("1E+39"), values::RuntimeError);  // beyond single precision
}

TEST_F(ProxyImportTest, HolyTrinityByHeaderWordsOrBoreHoleNames) {
    ProxyImport r = Import(m, "Bore hole,Section,PSP,Ti,Fe\nA,1,12.5,100,200\nA,1,13,101,201\nB,2,30,7,8\n",
                           "core XRF");
    const ProxyPanelData& p = r.panel;
    EXPECT_EQ(r.layout, ProxyLayout::kTrinity);
    EXPECT_FALSE(p.gProxyHasText);
    EXPECT_TRUE(p.gProxyHasTrinity);
    ASSERT_EQ(p.gProxyCols, 2);
    ASSERT_EQ(p.gProxyRows, 3);
    EXPECT_EQ(p.gProxyFileName, "core XRF");
    EXPECT_EQ(p.gProxyColName(1), "Ti");
    EXPECT_EQ(p.gProxyColName(2), "Fe");
    EXPECT_EQ(p.gProxyY(1, 1), 12.5f);
    EXPECT_EQ(p.gProxyY(1, 3), 130.0f);
    EXPECT_EQ(p.SampleText(3), "130");  // the composite depth as text
    EXPECT_EQ(p.gProxyValue(2, 2), 201.0f);
    EXPECT_EQ(p.gProxyValue(1, 3), 7.0f);
    EXPECT_EQ(p.gProxyY(2, 3), 130.0f);   // no event list: event-free depth = composite depth
    EXPECT_EQ(p.gProxyY(3, 3), 9999.0f);  // no age model: no age
    EXPECT_EQ(p.gProxyY(0, 3), 9999.0f);

    // Header words that do not name a drilling position, but the model's bore-hole names.
    EXPECT_EQ(Import(m, "Core,Sec,Depth,Ti\nB,1,12.5,7\nB,1,13,8\n").layout, ProxyLayout::kTrinity);
    // Names that are neither: the bore hole becomes the sample text, the section the value.
    ProxyImport other = Import(m, "Core,Sec,Depth,Ti\nQ,1,12.5,7\nQ,1,13,8\n");
    EXPECT_EQ(other.layout, ProxyLayout::kTextValue);
    EXPECT_EQ(other.panel.gProxyCols, 2);
    EXPECT_EQ(other.panel.gProxyText(1), "Q");
    EXPECT_EQ(other.panel.gProxyY(1, 1), 1.0f);
}

TEST_F(ProxyImportTest, TextAndHolyTrinityPreviewsTheFirstColumnUnderItsName) {
    ProxyImport r = Import(m, "Sample,Bore hole,Section,PSP,Ti\nS1,B,2,30,5\nS2,B,2,31,6\n");
    const ProxyPanelData& p = r.panel;
    EXPECT_EQ(r.layout, ProxyLayout::kTextTrinity);
    EXPECT_TRUE(p.gProxyHasText);
    ASSERT_EQ(p.gProxyCols, 1);
    EXPECT_EQ(p.SampleText(2), "S2");
    EXPECT_EQ(p.gProxyY(1, 2), 131.0f);

    const ProxyPreview preview = PreviewOf(r, 1);
    EXPECT_EQ(preview.header, (Row{"Sample", "Bore hole", "Ti"}));
    ASSERT_EQ(preview.rows.size(), 2u);  // two samples, two rows
    EXPECT_EQ(preview.rows[0], (Row{"S1", "130", "5"}));
    EXPECT_EQ(preview.rows[1], (Row{"S2", "131", "6"}));

    // Recognised by the bore-hole name before the probe, without header words.
    EXPECT_EQ(Import(m, "Id,Core,Sec,Depth,Ti\nS1,B,2,30,5\nS2,B,2,31,6\n").layout, ProxyLayout::kTextTrinity);
}

TEST_F(ProxyImportTest, ValueLayoutsKeepTheValueAsRead) {
    ProxyImport r = Import(m, "Depth,Ti,Fe\n10,1,2\n20.5,3,4\n");
    EXPECT_EQ(r.layout, ProxyLayout::kValue);
    ASSERT_EQ(r.panel.gProxyCols, 2);
    EXPECT_EQ(r.panel.gProxyY(1, 2), 20.5f);
    EXPECT_EQ(r.panel.SampleText(2), "20.5");
    ProxyPreview preview = PreviewOf(r, 1);
    EXPECT_EQ(preview.header, (Row{"Depth", "Ti", "Fe"}));
    EXPECT_EQ(preview.rows[1], (Row{"20.5", "3", "4"}));

    // One column: the first record's last value comes from the file; the third
    // preview column is empty, header included.
    r = Import(m, "Depth,Ti\n10,1\n20,3\n");
    EXPECT_EQ(r.layout, ProxyLayout::kValue);
    ASSERT_EQ(r.panel.gProxyRows, 2);
    EXPECT_EQ(r.panel.gProxyValue(1, 1), 1.0f);
    preview = PreviewOf(r, 1);
    EXPECT_EQ(preview.header, (Row{"Depth", "Ti", ""}));
    EXPECT_EQ(preview.rows[0], (Row{"10", "1", ""}));

    // A number cell is read for its leading number; an empty one is 0.
    r = Import(m, "Depth,Ti\n10,1\n20,\n30,2.5 ppm\n40, - .5e1x\n");
    EXPECT_EQ(r.panel.gProxyValue(1, 2), 0.0f);
    EXPECT_EQ(r.panel.gProxyValue(1, 3), 2.5f);
    EXPECT_EQ(r.panel.gProxyValue(1, 4), -5.0f);

    r = Import(m, "Sample,Age,Ti\nS1,1200,5\nS2,1300,6\n");
    EXPECT_EQ(r.layout, ProxyLayout::kTextValue);
    EXPECT_EQ(r.panel.gProxyY(1, 2), 1300.0f);
    EXPECT_EQ(PreviewOf(r, 1).rows[1], (Row{"S2", "1300", "6"}));

    // Sections written "01" are no plain numbers: the PSP is taken for the first
    // one, and the records no longer come out even.
    EXPECT_THROW(Import(m, "Bore hole,Section,PSP,Ti\nA,01,12.5,7\nA,01,13,8\nA,01,14,9\n"), values::RuntimeError);
}

TEST_F(ProxyImportTest, ANumberCellWithNoNumberInItIsAFormatError) {
    // Eight records whose items come out even as value records of six: the
    // bore-hole letters fall into number cells, in either window's import.
    std::string sections = "Bore hole,Section,PSP,Ti\n";
    for (int i = 0; i < 8; ++i) sections += "B,01,1" + std::to_string(i) + ",5\n";
    EXPECT_THROW(Import(m, sections), values::RuntimeError);
    DuoStub duo;
    ItemReader file(sections);
    EXPECT_THROW(ImportDuoProxy(duo, file, "p"), values::RuntimeError);

    for (const char* cell : {"n.d.", "B", "-", ".", "&H", "+ x"})
        EXPECT_THROW(Import(m, std::string("Depth,Ti\n10,1\n20,") + cell + "\n30,2\n"), values::RuntimeError) << cell;
    // Also where the header scan read the cell, and as the vertical value.
    EXPECT_THROW(Import(m, "Depth,Ti,Fe\n10,x,2\n20,3,4\n"), values::RuntimeError);
    EXPECT_THROW(Import(m, "Depth,Ti\n10,1\nx,3\n"), values::RuntimeError);
}

TEST_F(ProxyImportTest, AnUnplacedDrillingPositionIsNoValueNeverZero) {
    const ProxyPanelData p =
        Import(m, "Bore hole,Section,PSP,Ti\nA,1,10,1\nA,1,11,2\nX,1,12,3\nA,7,13,4\nA,2,14,5\n").panel;
    ASSERT_EQ(p.gProxyRows, 5);
    EXPECT_EQ(p.gProxyY(1, 3), 9999.0f);  // unknown bore hole
    EXPECT_EQ(p.gProxyY(1, 4), 9999.0f);  // unknown section
    EXPECT_EQ(p.gProxyY(1, 5), 9999.0f);  // a section without ties: no depth at all
    EXPECT_EQ(p.SampleText(5), "9999");
    EXPECT_EQ(p.gProxyY(2, 5), 9999.0f);
    EXPECT_EQ(p.gProxyValue(1, 5), 5.0f);  // the sample stays
}

TEST_F(ProxyImportTest, FewerThanEightSamplesLoadAndPreviewAsManyRows) {
    ProxyImport one = Import(m, ValueFile(1, 2));
    EXPECT_EQ(one.panel.gProxyRows, 1);
    EXPECT_EQ(PreviewOf(one, 1).rows.size(), 1u);
    ProxyImport seven = Import(m, ValueFile(7, 2));
    EXPECT_EQ(PreviewOf(seven, 1).rows.size(), 7u);
    ProxyImport many = Import(m, ValueFile(20, 2));
    EXPECT_EQ(PreviewOf(many, 1).rows.size(), 8u);
}

TEST_F(ProxyImportTest, TheLimitsHoldTheirLastSampleAndColumn) {
    ProxyImport r = Import(m, ValueFile(kMaxProxyRows, 1));
    EXPECT_EQ(r.panel.gProxyRows, kMaxProxyRows);
    EXPECT_EQ(r.panel.gProxyY(1, kMaxProxyRows), float(kMaxProxyRows));
    EXPECT_EQ(r.panel.gProxyValue.Rows(), kMaxProxyRows + 1);
    r = Import(m, ValueFile(3, kMaxProxyCols));
    EXPECT_EQ(r.panel.gProxyCols, kMaxProxyCols);
    EXPECT_EQ(r.panel.gProxyColName(kMaxProxyCols), "C135");
    EXPECT_EQ(r.panel.gProxyValue(kMaxProxyCols, 3), 135.0f);
}

TEST_F(ProxyImportTest, BadFilesAreFormatErrorsAndLeaveThePanelAsItWas) {
    std::mt19937 random(7);
    std::string binary;
    for (int i = 0; i < 20000; ++i) binary += static_cast<char>(random() % 256);
    const std::string bad[] = {
        "",
        "Depth,Ti,Fe\n",                                  // header only
        binary,
        "Depth,Ti\n10,1\n" + std::string(1 << 20, '7') + ",2\n",  // a 1 MB line: no single number
        std::string(1 << 20, ',') + "\n",                 // a 1 MB line of empty items, no number
        ValueFile(3, kMaxProxyCols + 1),
        ValueFile(kMaxProxyRows + 1, 1),
        "Depth,Ti,Fe\n10,1,2\n20,\"3,4\n30,5,6\n",          // a quote left open mid-record
        "Depth,Ti\n10,1\n20,\"3\n30,5\n40,6\n",             // ... and in a record's last field
        "Depth,Ti,Fe\n10,1,2\n20,3\n",                     // the last record cut short
        "Depth,Ti\n10,1\n20,1E+39\n",                      // a value beyond single precision
        "1,2,3\n4,5,6\n",                                  // no header
    };
    ProxyPanelData panel = Import(m, ValueFile(9, 2), "kept").panel;
    for (const std::string& text : bad) {
        // The window's part: the panel takes an import only when it returns.
        try {
            panel = Import(m, text).panel;
            ADD_FAILURE() << "loaded: " << text.substr(0, 40);
        } catch (const values::RuntimeError&) {
        }
    }
    EXPECT_EQ(panel.gProxyFileName, "kept");
    EXPECT_EQ(panel.gProxyRows, 9);
    EXPECT_EQ(panel.gProxyValue.Rows(), 10);
}

TEST_F(ProxyImportTest, ReadingInPartsGivesWhatOneReaderGives) {
    auto read = [&](const std::string& text, int threads) {
        ItemReader file(text);
        return ReadProxyFile(file, "p", MainProxySide(m), ProxyReading{threads, 1});
    };
    std::string trinity = "Sample,Bore hole,Section,PSP,Ti,Fe\r\n";
    for (int i = 0; i < 400; ++i)
        trinity += "S" + std::to_string(i) + "," + (i % 3 ? "A" : "B") + "," + std::to_string(1 + i % 2) + "," +
                   std::to_string(i % 90) + "." + std::to_string(i % 10) + "," + std::to_string(i) + ",\t" +
                   std::to_string(i * 7 % 1000) + "\r\n" + (i % 50 == 25 ? "  \r\n" : "");
    const std::string value = ValueFile(500, 3);
    // The value file with `lines` put in at the line start after byte `at`.
    auto with = [&](size_t at, const std::string& lines) {
        const size_t start = value.find('\n', at) + 1;
        return value.substr(0, start) + lines + value.substr(start);
    };
    const std::string files[] = {
        trinity,
        value,
        value + "7,8,9,1",                                        // a last record without its line end
        with(value.size() / 2, "\"7\",1,2,3\n"),     // a quote
        with(3000, "9,9\n9,9\n"),                    // a record over two lines
        with(3000, "9,9\r9,9\n"),                    // ... over a bare carriage return
        with(3000, "9,9,9,9,9,9,9,9\n"),              // two records on a line
        // The eighth record ends at a comma: the ninth begins with an empty item.
        "Depth,Ti\n1,1\n2,1\n3,1\n4,1\n5,1\n6,1\n7,1\n8,1,\n5\n" + ValueFile(300, 1).substr(9),
    };
    for (const std::string& text : files)
        for (int threads : {2, 3, 8}) {
            SCOPED_TRACE(text.substr(0, 30));
            const ProxyImport one = read(text, 1), parts = read(text, threads);
            EXPECT_TRUE(one.panel == parts.panel) << threads << " threads";
        }
    // Faults found in a part are those of one reader.
    for (const std::string& text : {with(4000, "9,9,1E+39,9\n"), with(4000, "9,9\n"), ValueFile(kMaxProxyRows + 1, 1)})
        EXPECT_THROW(read(text, 4), values::RuntimeError);
}

TEST(ProxyImportDuo, ReadsWithTheDuoNamesIntoItsTwoPlanes) {
    DuoStub duo;
    auto import = [&](const std::string& text) {
        ItemReader file(text);
        return ImportDuoProxy(duo, file, "duo");
    };
    ProxyImport r = import("Core,Sec,Depth,Ti\nE,1,10,5\nE,1,11,6\nZ,1,12,7\n");
    EXPECT_EQ(r.layout, ProxyLayout::kTrinity);
    ASSERT_EQ(r.panel.gProxyY.Columns(), kDuoProxyPlanes);
    EXPECT_EQ(r.panel.gProxyY(0, 2), 51.0f);
    EXPECT_EQ(r.panel.gProxyY(1, 2), 1051.0f);  // the master core's depth at once
    EXPECT_EQ(r.panel.gProxyY(0, 3), 9999.0f);
    EXPECT_EQ(r.panel.gProxyY(1, 3), 9999.0f);
    EXPECT_EQ(PreviewOf(r, 0).rows[0], (Row{"50", "5", ""}));
    // "A" to "D" name no Duo bore hole.
    EXPECT_EQ(import("Core,Sec,Depth,Ti\nA,1,10,5\nA,1,11,6\n").layout, ProxyLayout::kTextValue);
    // A value file: its values as the Duo's own composite depth, until the
    // vertical-axis question is answered.
    r = import("Depth,Ti\n10,1\n20,3\n");
    EXPECT_EQ(r.panel.gProxyY(0, 1), 10.0f);
    EXPECT_EQ(r.panel.gProxyY(1, 1), 1010.0f);
}

TEST_F(ProxyImportTest, ChoosersListTheColumnsAndNoDivisor) {
    const ProxyChoosers c = ChoosersOf(Import(m, ValueFile(2, 3)).panel);
    EXPECT_EQ(c.columns, (std::vector<std::string>{"C1", "C2", "C3"}));
    EXPECT_EQ(c.divisors, (std::vector<std::string>{"C1", "C2", "C3", "1"}));
    EXPECT_EQ(c.column, "C1");
    EXPECT_EQ(c.divisor, "1");
}
