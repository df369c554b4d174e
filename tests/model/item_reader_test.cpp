#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "forms/runtime_error.h"
#include "forms/values.h"
#include "model/item_reader.h"

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
    } catch (const forms::RuntimeError& e) {
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

TEST(ItemReader, EndOfFileIsTestedOnlyBeforeARecord) {
    // Blank lines between or after records are not records.
    EXPECT_EQ(Records("a,1\n\n\nb,2\n\r\n  \n", 2), (Rows{{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(Records("", 2), Rows{});
    // A record cut short at the end of the file is error 62.
    EXPECT_EQ(ErrorNumber("a,1\nb", 2), forms::kErrInputPastEnd);
    EXPECT_EQ(ErrorNumber("a,1,b", 2), forms::kErrInputPastEnd);
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
    } catch (const forms::RuntimeError& e) {
        EXPECT_EQ(e.number(), forms::kErrFileNotFound);
    }
}

TEST(ItemReader, AFileOfWholePagesIsReadToItsLastNumberAndAFolderIsEmpty) {
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
    EXPECT_EQ(last, forms::Val(text.substr(text.rfind(',') + 1)));
    std::remove(path.c_str());

    // A folder opens as an empty file, as it always did.
    EXPECT_TRUE(ItemReader::Open(testing::TempDir()).AtEnd());
}

TEST(ItemReader, FastConversionsAgreeWithThePlatformRules) {
    for (const char* text : {"12.5", "-0.25", "1e3", ".5", "-.5", "007", "12.5cm", "1 2", "+3", "&H1F", "---", "",
                             "inf", "nan", "-inf", "1.", "1d2", "0x10", "9999", "123456789012345678",
                             // Around the eight characters read as one word.
                             "1234567", "-123456", "12345678", "-1234.56", "1234.567", "0.000001", "1,5", "12/3",
                             "1.2.3", "-1-2", "A-01-top"}) {
        EXPECT_EQ(model::FastVal(text), forms::Val(text)) << text;
        bool numeric = forms::IsNumeric(text);
        if (numeric) {
            EXPECT_EQ(model::StrictNumber(text), forms::CDbl(text)) << text;
        } else {
            EXPECT_THROW(model::StrictNumber(text), forms::RuntimeError) << text;
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
        EXPECT_EQ(values.NumberVal(), forms::Val(item)) << item;
        if (forms::IsNumeric(item)) {
            EXPECT_EQ(strict.Number(), forms::CDbl(item)) << item;
        } else {
            EXPECT_THROW(strict.Number(), forms::RuntimeError) << item;
        }
    }
}

TEST(ItemReader, APartReadsOnlyItsOwnBytes) {
    const ItemReader whole("x\n1,2\n34,\"q\n");
    ItemReader part = whole.Part(2, 6);  // "1,2\n"
    EXPECT_EQ(part.NumberVal(), 1.0);
    EXPECT_EQ(part.NumberVal(), 2.0);
    EXPECT_TRUE(part.AtEnd());
    // The digits after the part are not its own, even to the word reader.
    EXPECT_THROW(part.NumberVal(), forms::RuntimeError);
    ItemReader rest = whole.Part(6, 100);
    EXPECT_EQ(rest.Item(), "34");
    EXPECT_TRUE(rest.CommaPassed());
    EXPECT_EQ(rest.Item(), "q\n");
    EXPECT_TRUE(rest.QuoteLeftOpen());
    // A byte-order mark only opens a whole file.
    const ItemReader marked("a\n\xEF\xBB\xBF" "b\n");
    EXPECT_EQ(marked.Part(2, 7).Item(), "\xEF\xBB\xBF" "b");
}
