// A table filled by parts side by side reads as one filled cell by cell:
// parts of a few rows leave gaps between them that neither a row found from
// its block nor a cursor walking across parts may land in.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/text_table.h"

using namespace model;

namespace {

std::string Cell(long i) { return i % 7 == 3 ? std::string(300 + i % 5, static_cast<char>('a' + i % 26)) : std::to_string(i); }

}  // namespace

TEST(TextTable, PartsOfAFewRowsReadAsOneTable) {
    constexpr int kColumns = 3;
    constexpr long kFirst = 2, kRows = 100;
    TextTable appended(kColumns), parted(kColumns);
    for (long i = 0; i < kColumns * (kFirst + kRows); ++i) appended.Append(Cell(i));
    for (long i = 0; i < kColumns * kFirst; ++i) parted.Append(Cell(i));
    // Parts of 0 to 4 rows, each with room to spare after its cells.
    std::vector<long> firsts{0};
    for (long k = 0; firsts.back() < kRows; ++k) firsts.push_back(std::min(kRows, firsts.back() + k % 5));
    const size_t perPart = 4 * 400 + 50;
    {
        TextTable::Room room(parted, static_cast<long>(firsts.size()) - 1, kRows, perPart * firsts.size());
        for (size_t k = 0; k + 1 < firsts.size(); ++k) {
            TextTable::Part part = room.PartOf(static_cast<long>(k), firsts[k], firsts[k + 1] - firsts[k],
                                               perPart * k, perPart);
            for (long i = kColumns * (kFirst + firsts[k]); i < kColumns * (kFirst + firsts[k + 1]); ++i)
                ASSERT_TRUE(part.Append(Cell(i)));
            EXPECT_TRUE(part.Full());
            EXPECT_FALSE(part.Append("more than its rows"));
        }
        room.Keep();
    }
    ASSERT_EQ(parted.Rows(), kFirst + kRows);
    for (long r = 0; r < parted.Rows(); ++r) {
        TextTable::Cursor rows(parted, r);
        std::string_view cells[kColumns];
        for (long next = r; next < parted.Rows(); ++next) {
            rows.Next(cells);
            for (int c = 0; c < kColumns; ++c) ASSERT_EQ(cells[c], appended(c, next)) << r << " " << next;
        }
        for (int c = 0; c < kColumns; ++c) ASSERT_EQ(parted(c, r), appended(c, r)) << r;
    }
}

TEST(TextTable, ARoomGivenUpLeavesTheTableAsItWas) {
    TextTable t(2);
    for (const char* cell : {"a", "b", "c", "d"}) t.Append(cell);
    {
        TextTable::Room room(t, 1, 5, 1000);
        TextTable::Part part = room.PartOf(0, 0, 5, 0, 4);
        EXPECT_TRUE(part.Append("xy"));
        EXPECT_FALSE(part.Append("xyz"));  // past the part's bytes
    }
    t.Append("e");
    t.Append("f");
    ASSERT_EQ(t.Rows(), 3);
    EXPECT_EQ(t(1, 1), "d");
    EXPECT_EQ(t(0, 2), "e");
}
