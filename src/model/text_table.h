#pragma once
// Texts of a table with a fixed number of columns, filled row by row and cell
// by cell. A cell is its length (one byte, or a byte of 255 and eight bytes
// for 255 characters or more) followed by its characters, and a row's cells
// lie one after another in one block. The table keeps where every 16th row
// begins; a row between is found from there, and a Cursor reads rows in turn.
// A million records of four short texts cost their characters and four
// bytes each, no object per cell. A subscript outside the table is run-time
// error 9.
//
// Rows can also be filled side by side: a Room laid out after the table's
// rows hands out Parts, each a range of rows and a range of bytes of its own,
// so that no part is copied once all are read.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "model/large_block.h"
#include "model/tables.h"

namespace model {

class TextTable {
public:
    explicit TextTable(int columns) : columns_(columns) {}

    int Columns() const { return columns_; }
    // Whole rows; a row being filled is not counted until its last cell.
    long Rows() const { return rows_; }

    std::string_view operator()(int column, long row) const {
        if (column < 0 || column >= columns_ || row < 0 || row >= rows_) SubscriptOutOfRange();
        const unsigned char* cell = RowAt(row);
        for (int c = 0; c < column; ++c) cell = After(cell);
        return Text(cell);
    }

    // The next cell: the row's next column, or the first of a new row.
    void Append(std::string_view cell) {
        const size_t at = chars_.size();
        if (filling_ == 0 && rows_ % kBlockRows == 0) blocks_.push_back(at);
        chars_.resize(at + CellBytes(cell.size()));
        Lay(chars_.data() + at, cell);
        if (++filling_ == columns_) {
            filling_ = 0;
            ++rows_;
        }
    }

    // Room for the cells of about `bytes` bytes of text, so that a long
    // reading does not move them as they grow.
    void Reserve(size_t bytes) { chars_.reserve(chars_.size() + bytes); }

    // The bytes a cell of `length` characters takes.
    static size_t CellBytes(size_t length) { return length < kLong ? 1 + length : 1 + sizeof(uint64_t) + length; }

    class Cursor;
    class Part;
    class Room;

private:
    static constexpr unsigned char kLong = 255;
    static constexpr long kBlockRows = 16;
    // Rows from `row` on lie from byte `at` on: a part's first row, after
    // the bytes left free at the end of the part before.
    struct Jump {
        long row;
        size_t at;
    };

    static const unsigned char* After(const unsigned char* cell) {
        const std::string_view text = Text(cell);
        return reinterpret_cast<const unsigned char*>(text.data() + text.size());
    }
    static std::string_view Text(const unsigned char* cell) {
        if (cell[0] < kLong) return {reinterpret_cast<const char*>(cell + 1), cell[0]};
        uint64_t length;
        std::memcpy(&length, cell + 1, sizeof length);
        return {reinterpret_cast<const char*>(cell + 1 + sizeof length), static_cast<size_t>(length)};
    }
    // Writes a cell at `to`, which has CellBytes(cell.size()) bytes.
    static void Lay(unsigned char* to, std::string_view cell) {
        if (cell.size() < kLong) {
            *to++ = static_cast<unsigned char>(cell.size());
        } else {
            *to++ = kLong;
            const uint64_t length = cell.size();
            std::memcpy(to, &length, sizeof length);
            to += sizeof length;
        }
        // Cells are short: copied a character at a time rather than by a call.
        for (char c : cell) *to++ = static_cast<unsigned char>(c);
    }

    // The last jump at or before `row`, or jumps_.end().
    std::vector<Jump>::const_iterator JumpAt(long row) const {
        auto after = std::upper_bound(jumps_.begin(), jumps_.end(), row, [](long r, const Jump& j) { return r < j.row; });
        return after == jumps_.begin() ? jumps_.end() : after - 1;
    }
    // The first cell of a whole row: from its block's first row, or from a
    // part's first row after it, row after row.
    const unsigned char* RowAt(long row) const {
        long r = row / kBlockRows * kBlockRows;
        size_t at = blocks_[static_cast<size_t>(row / kBlockRows)];
        if (const auto jump = JumpAt(row); jump != jumps_.end() && jump->row > r) {
            r = jump->row;
            at = jump->at;
        }
        const unsigned char* cell = chars_.data() + at;
        for (; r < row; ++r)
            for (int c = 0; c < columns_; ++c) cell = After(cell);
        return cell;
    }

    int columns_;
    long rows_ = 0;
    int filling_ = 0;  // cells of the row being filled
    LargeArray<unsigned char> chars_;
    LargeArray<size_t> blocks_;  // [b]: where row b * kBlockRows begins in chars_
    std::vector<Jump> jumps_;     // by ascending rows
};

// Reads whole rows one after the other, from a row on.
class TextTable::Cursor {
public:
    Cursor(const TextTable& t, long row) : t_(t), row_(row) {
        if (row < 0 || row > t.rows_) SubscriptOutOfRange();
        if (row < t.rows_) cell_ = t.RowAt(row);
        next_ = std::upper_bound(t.jumps_.begin(), t.jumps_.end(), row, [](long r, const Jump& j) { return r < j.row; });
    }

    // The cells of the row it stands at, Columns() of them; then it stands at the next.
    void Next(std::string_view* cells) {
        if (row_ >= t_.rows_) SubscriptOutOfRange();
        for (int c = 0; c < t_.columns_; ++c) {
            cells[c] = Text(cell_);
            cell_ = After(cell_);
        }
        ++row_;
        for (; next_ != t_.jumps_.end() && next_->row <= row_; ++next_) cell_ = t_.chars_.data() + next_->at;
    }

private:
    const TextTable& t_;
    long row_;
    const unsigned char* cell_ = nullptr;
    std::vector<Jump>::const_iterator next_;  // the first jump after row_
};

// A range of a Room's rows and bytes, filled by one reader. Rows beyond its
// range, or cells beyond its bytes, are refused.
class TextTable::Part {
public:
    // False, with nothing written, when the cell does not fit.
    bool Append(std::string_view cell) {
        const size_t room = TextTable::CellBytes(cell.size());
        if (room > end_ - at_ || (filling_ == 0 && row_ == endRow_)) return false;
        if (filling_ == 0 && row_ % kBlockRows == 0) blocks_[row_ / kBlockRows] = at_;
        TextTable::Lay(chars_ + at_, cell);
        at_ += room;
        if (++filling_ == columns_) {
            filling_ = 0;
            ++row_;
        }
        return true;
    }
    // True when every row of the range is whole.
    bool Full() const { return row_ == endRow_ && filling_ == 0; }

private:
    friend class TextTable::Room;
    Part(TextTable& t, long row, long endRow, size_t at, size_t end)
        : chars_(t.chars_.data()), blocks_(t.blocks_.data()), columns_(t.columns_), row_(row), endRow_(endRow),
          at_(at), end_(end) {}

    unsigned char* chars_;
    size_t* blocks_;
    int columns_;
    long row_, endRow_;
    size_t at_, end_;
    int filling_ = 0;
};

// Rows after the table's whole rows, filled side by side by Parts, which
// the table counts only once the room is kept: a room given up leaves the
// table as it was.
class TextTable::Room {
public:
    // Room for `rows` rows in `parts` parts, whose cells take at most `bytes` bytes.
    Room(TextTable& t, long parts, long rows, size_t bytes)
        : t_(t), rows_(rows), chars_(t.chars_.size()), jumps_(t.jumps_.size()) {
        t.jumps_.resize(jumps_ + static_cast<size_t>(parts) + 1);
        t.blocks_.resize(static_cast<size_t>((t.rows_ + rows + kBlockRows - 1) / kBlockRows));
        t.chars_.resize(chars_ + bytes);
    }
    ~Room() {
        if (kept_) return;
        t_.jumps_.resize(jumps_);
        t_.blocks_.resize(static_cast<size_t>((t_.rows_ + kBlockRows - 1) / kBlockRows));
        t_.chars_.resize(chars_);
    }
    Room(const Room&) = delete;
    Room& operator=(const Room&) = delete;

    // Part k: rows `first` to `first + rows - 1` of the room, their cells
    // in bytes `at` to `at + bytes - 1` of it. Parts come in the order of
    // their rows and bytes and do not overlap.
    Part PartOf(long k, long first, long rows, size_t at, size_t bytes) {
        t_.jumps_[jumps_ + static_cast<size_t>(k)] = {t_.rows_ + first, chars_ + at};
        return Part(t_, t_.rows_ + first, t_.rows_ + first + rows, chars_ + at, chars_ + at + bytes);
    }
    // Counts the room's rows, every one filled by its part; rows appended
    // after them begin after the room.
    void Keep() {
        t_.rows_ += rows_;
        t_.jumps_.back() = {t_.rows_, t_.chars_.size()};
        kept_ = true;
    }

private:
    TextTable& t_;
    long rows_;
    size_t chars_;  // the table's bytes before the room
    size_t jumps_;  // its jumps before the room
    bool kept_ = false;
};

}  // namespace model
