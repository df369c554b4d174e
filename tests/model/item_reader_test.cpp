#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "model/item_reader.h"
#include "values/runtime_error.h"
#include "values/values.h"

using model::ItemReader;

namespace {

// Every record of `items` items until the end of the file.
std::vector<std::vector<std::string>> Records(const std::string& text, int items) {
    ItemReader reader(text);
    std::vector<std::vector<std::string>> records;
    while (!reader.AtEnd()) {
        records.emplace_back();
        for (int i = 0; i < items; ++i) records.back().emplace_back(reader.Item());
    }
    return records;
}

int ErrorNumber(const std::string& text, int items) {
    try {
        Records(text, items);
    } catch (const values::RuntimeError& e) {
        return e.number();
    }
    return 0;
}

using Rows = std::vector<std::vector<std::string>>;

}  // namespace

TEST(ItemReader, LineEndsOfEveryKindSeparateItemsLikeCommas) {
    const Rows expected = {{"a", "1"}, {"b", "2"}, {"c", "3"}};
    EXPECT_EQ(Records("a,1\r\nb,2\r\nc,3\r\n", 2), expected);
    EXPECT_EQ(Records("a,1\nb,2\nc,3", 2), expected);    // last line without a line end
    EXPECT_EQ(Records("a,1\rb,2\rc,3\r", 2), expected);   // bare CR
    EXPECT_EQ(Records("\xEF\xBB\xBF" "a,1\nb,2\r\nc,3\r", 2), expected);  // BOM, mixed ends
    // CR-LF converted once more: CR-CR-LF is one line end, inside a record too.
    EXPECT_EQ(Records("a,1\r\r\nb,2\r\r\nc,3\r\r\n", 2), expected);
    EXPECT_EQ(Records("a\r\r\n1,b,2\r\r\nc\r\r\n3", 2), expected);
    EXPECT_EQ(Records("a\r\r\n1\r\r\n", 1), (Rows{{"a"}, {"1"}}));
    // Two bare CRs are two line ends, and CR-CR-CR-LF a CR before a CR-CR-LF.
    EXPECT_EQ(Records("a\r\rb", 3), (Rows{{"a", "", "b"}}));
    EXPECT_EQ(Records("a\r\r\r\nb", 3), (Rows{{"a", "", "b"}}));
    // A record is a number of items, not a line.
    EXPECT_EQ(Records("a\n1,b\n2\nc,3\n", 2), expected);
    EXPECT_EQ(Records("a,1,b,2,c,3\n", 2), expected);
}

TEST(ItemReader, QuotesProtectCommasAndBlanksAroundPlainItemsAreDropped) {
    EXPECT_EQ(Records("\"Tephra, AT\",\" x \"\n", 2), (Rows{{"Tephra, AT", " x "}}));
    EXPECT_EQ(Records("  a  ,\tb\t\n", 2), (Rows{{"a", "b"}}));
    EXPECT_EQ(Records("\"a\"junk,b\n", 2), (Rows{{"a", "b"}}));  // text after the closing quote
    EXPECT_EQ(Records("a,,\n", 3), (Rows{{"a", "", ""}}));        // empty items
    EXPECT_EQ(Records("\"two\nlines\",b", 2), (Rows{{"two\nlines", "b"}}));
}

TEST(ItemReader, ADoubledQuoteInsideQuotesIsOneQuote) {
    EXPECT_EQ(Records("\"say \"\"hi\"\"\",\"\"\"\",\"\",\"a\"\"\"\"b\"\n", 4),
              (Rows{{"say \"hi\"", "\"", "", "a\"\"b"}}));
    // A quote right after the closing one is a doubled quote, not junk; other
    // text after the closing quote still is.
    EXPECT_EQ(Records("\"a\"\"\"x,\"b\" \"c\",d\n", 3), (Rows{{"a\"", "b", "d"}}));
    // An unclosed quote runs to the end of the file.
    EXPECT_EQ(Records("\"a\"\"b,c", 1), (Rows{{"a\"b,c"}}));
    // Plain items keep their quotes.
    EXPECT_EQ(Records("a\"\"b,c\n", 2), (Rows{{"a\"\"b", "c"}}));
}

TEST(ItemReader, CellsWrittenQuotedWithDoubledQuotesReadBackCellForCell) {
    // The converted data files: text cells quoted with their quotes doubled,
    // numbers bare, CR-LF after every record.
    const Rows cells = {{"A", "01", "12.5", "Tephra \"LST\", top", "-0.25"},
                        {"\"", "\"\"", "", "two\r\nlines", "9999"},
                        {"end\"", "\"start", " padded ", "a,\"b\",c", "1e-3"}};
    std::string text;
    for (const auto& record : cells) {
        for (size_t i = 0; i < record.size(); ++i) {
            const std::string& cell = record[i];
            if (i > 0) text += ',';
            if (values::IsNumeric(cell) && cell.find(' ') == std::string::npos) {
                text += cell;
                continue;
            }
            text += '"';
            for (char c : cell) text += c == '"' ? std::string("\"\"") : std::string(1, c);
            text += '"';
        }
        text += "\r\n";
    }
    EXPECT_EQ(Records(text, 5), cells);
    // From a mapped file, whose text the reader may not change; the items
    // stay valid while later ones are read.
    const std::string path = testing::TempDir() + "item_reader_quotes.csv";
    std::ofstream(path, std::ios::binary) << text;
    ItemReader reader = ItemReader::Open(path);
    std::vector<std::string_view> items;
    while (!reader.AtEnd())
        for (int i = 0; i < 5; ++i) items.push_back(reader.Item());
    std::remove(path.c_str());
    ASSERT_EQ(items.size(), 15u);
    for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i], cells[i / 5][i % 5]) << i;
}

TEST(ItemReader, EndOfFileIsTestedOnlyBeforeARecord) {
    // Blank lines between or after records are not records.
    EXPECT_EQ(Records("a,1\n\n\nb,2\n\r\n  \n", 2), (Rows{{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(Records("", 2), Rows{});
    // A record cut short at the end of the file is error 62.
    EXPECT_EQ(ErrorNumber("a,1\nb", 2), values::kErrInputPastEnd);
    EXPECT_EQ(ErrorNumber("a,1,b", 2), values::kErrInputPastEnd);
    // A comma promises one more (empty) item even at the very end.
    EXPECT_EQ(Records("a,", 2), (Rows{{"a", ""}}));
}

TEST(ItemReader, OpensFilesWholeAndReportsAMissingOne) {
    const std::string path = testing::TempDir() + "item_reader_test.csv";
    std::ofstream(path, std::ios::binary) << "x,1.5\r\ny,-2e1";
    ItemReader reader = ItemReader::Open(path);
    EXPECT_EQ(reader.Item(), "x");
    EXPECT_DOUBLE_EQ(reader.Number(), 1.5);
    EXPECT_EQ(reader.Item(), "y");
    EXPECT_DOUBLE_EQ(reader.Number(), -20.0);
    EXPECT_TRUE(reader.AtEnd());
    std::remove(path.c_str());
    try {
        ItemReader::Open(path);
        FAIL() << "a missing file must be an error";
    } catch (const values::RuntimeError& e) {
        EXPECT_EQ(e.number(), values::kErrFileNotFound);
    }
}

TEST(ItemReader, AFileOfWholePagesIsReadToItsLastNumber) {
    // 4096 bytes: the file ends exactly where a memory page does, numbers
    // read a word at a time touch the bytes after it.
    std::string text = "\xEF\xBB\xBF";
    while (text.size() < 4096 - 8) text += "1.5,";
    text += std::string(4096 - text.size() - 3, '7') + "-.5";
    ASSERT_EQ(text.size(), 4096u);
    const std::string path = testing::TempDir() + "item_reader_page.csv";
    std::ofstream(path, std::ios::binary) << text;
    ItemReader reader = ItemReader::Open(path);
    double last = 0;
    long count = 0;
    while (!reader.AtEnd()) {
        last = reader.NumberVal();
        ++count;
    }
    EXPECT_EQ(count, std::count(text.begin(), text.end(), ',') + 1);
    EXPECT_EQ(last, values::Val(text.substr(text.rfind(',') + 1)));
    std::remove(path.c_str());
}

TEST(ItemReader, FastConversionsAgreeWithThePlatformRules) {
    for (const char* text : {"12.5", "-0.25", "1e3", ".5", "-.5", "007", "12.5cm", "1 2", "+3", "&H1F", "---", "",
                             "inf", "nan", "-inf", "1.", "1d2", "0x10", "9999", "123456789012345678",
                             // Around the eight characters read as one word.
                             "1234567", "-123456", "12345678", "-1234.56", "1234.567", "0.000001", "1,5", "12/3",
                             "1.2.3", "-1-2", "A-01-top"}) {
        EXPECT_EQ(model::FastVal(text), values::Val(text)) << text;
        bool numeric = values::IsNumeric(text);
        if (numeric) {
            EXPECT_EQ(model::StrictNumber(text), values::CDbl(text)) << text;
        } else {
            EXPECT_THROW(model::StrictNumber(text), values::RuntimeError) << text;
        }
    }
}

TEST(ItemReader, NumbersReadInPassAgreeWithTheTextReaders) {
    // Short decimals take the fast path; everything else the platform's readers.
    std::mt19937 random(3);
    std::string text;
    std::vector<std::string> items;
    for (int i = 0; i < 20000; ++i) {
        const int digits = 1 + static_cast<int>(random() % 18), point = static_cast<int>(random() % (digits + 1));
        std::string item = random() % 4 == 0 ? "-" : "";
        for (int d = 0; d < digits; ++d) {
            if (d == point && d > 0) item += '.';
            item += static_cast<char>('0' + random() % 10);
        }
        items.push_back(item);
    }
    for (const char* odd : {"1e3", "2.5cm", " 7 ", "+4", "-", ".", "", "12..3", "1.5E-2", "0.1", "-0"}) items.push_back(odd);
    for (size_t i = 0; i < items.size(); ++i) text += items[i] + (i % 7 == 6 ? "\r\n" : ",");
    ItemReader values(text), strict(text);
    for (const std::string& item : items) {
        EXPECT_EQ(values.NumberVal(), values::Val(item)) << item;
        if (values::IsNumeric(item)) {
            EXPECT_EQ(strict.Number(), values::CDbl(item)) << item;
        } else {
            EXPECT_THROW(strict.Number(), values::RuntimeError) << item;
        }
    }
}

TEST(ItemReader, ARecordReadInOneCallGivesWhatItemByItemGives) {
    // Runs of short numbers broken by every kind of item the word path leaves
    // to the general one, across the reader's 64-byte blocks.
    std::mt19937 random(5);
    const std::vector<std::string> others = {"label", "\"1.5\"", " 7 ", "123456789.25", "1e3", "", "-", "1.2.3",
                                             "12345678", "-1234567", "0.000001", "99999999", "-.5", "5.", "+4"};
    std::string text;
    const int width = 13;
    for (int r = 0; r < 300; ++r) {
        for (int f = 0; f < width; ++f) {
            if (f > 0) text += ',';
            if (random() % 5 == 0) {
                text += others[random() % others.size()];
            } else {
                text += std::to_string(static_cast<int>(random() % 20000) - 5000);
                if (random() % 2) text += "." + std::to_string(random() % 100);
            }
        }
        text += random() % 3 == 0 ? "\r\r\n" : random() % 2 ? "\r\n" : "\n";
    }
    ItemReader single(text), whole(text);
    std::vector<double> record(width);
    while (!single.AtEnd()) {
        ASSERT_FALSE(whole.AtEnd());
        whole.NumbersVal(record);
        for (int f = 0; f < width; ++f) {
            const double expected = single.NumberVal();
            EXPECT_EQ(std::memcmp(&record[f], &expected, sizeof expected), 0) << f << ": " << expected;
        }
    }
    EXPECT_TRUE(whole.AtEnd());

    // A record cut short is error 62 in one call as item by item.
    ItemReader cut("1,2,3\n4,5");
    cut.NumbersVal(record = std::vector<double>(3));
    EXPECT_EQ(record, (std::vector<double>{1, 2, 3}));
    try {
        cut.NumbersVal(record);
        FAIL() << "a short record must be an error";
    } catch (const values::RuntimeError& e) {
        EXPECT_EQ(e.number(), values::kErrInputPastEnd);
    }
}

TEST(ItemReader, APartReadsOnlyItsOwnBytes) {
    const ItemReader whole("x\n1,2\n34,\"q\n");
    ItemReader part = whole.Part(2, 6);  // "1,2\n"
    EXPECT_EQ(part.NumberVal(), 1.0);
    EXPECT_EQ(part.NumberVal(), 2.0);
    EXPECT_TRUE(part.AtEnd());
    // The digits after the part are not its own, even to the word reader.
    EXPECT_THROW(part.NumberVal(), values::RuntimeError);
    ItemReader rest = whole.Part(6, 100);
    EXPECT_EQ(rest.Item(), "34");
    EXPECT_TRUE(rest.CommaPassed());
    EXPECT_EQ(rest.Item(), "q\n");
    EXPECT_TRUE(rest.QuoteLeftOpen());
    // A byte-order mark only opens a whole file.
    const ItemReader marked("a\n\xEF\xBB\xBF" "b\n");
    EXPECT_EQ(marked.Part(2, 7).Item(), "\xEF\xBB\xBF" "b");
}
