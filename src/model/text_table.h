#pragma once
// Texts of a table with a fixed number of columns, filled row by row and cell
// by cell. The characters of every cell lie one after another in one block,
// so that a million records cost their characters and one offset a cell, not
// a string object each. A subscript outside the table is run-time error 9.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "model/tables.h"

namespace model {

class TextTable {
public:
    explicit TextTable(int columns) : columns_(columns) {}

    int Columns() const { return columns_; }
    // Whole rows; a row being filled is not counted until its last cell.
    long Rows() const { return static_cast<long>(ends_.size()) / columns_; }

    std::string_view operator()(int column, long row) const {
        if (column < 0 || column >= columns_ || row < 0 || row >= Rows()) SubscriptOutOfRange();
        const size_t i = static_cast<size_t>(row) * columns_ + column;
        const size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(chars_).substr(begin, ends_[i] - begin);
    }

    // The next cell: the row's next column, or the first of a new row. Cells
    // are short, so they are copied a character at a time rather than by a call.
    void Append(std::string_view cell) {
        const size_t end = chars_.size() + cell.size();
        if (end > chars_.capacity()) chars_.reserve(std::max(end, 2 * chars_.capacity()));
        for (char c : cell) chars_.push_back(c);
        ends_.push_back(end);
    }

    // Every cell of other tables of as many columns, after this one's, in turn.
    void AppendTables(const std::vector<TextTable>& others) {
        size_t chars = chars_.size(), cells = ends_.size();
        for (const TextTable& other : others) {
            chars += other.chars_.size();
            cells += other.ends_.size();
        }
        chars_.reserve(chars);
        ends_.reserve(cells);
        for (const TextTable& other : others) {
            const size_t offset = chars_.size();
            chars_ += other.chars_;
            for (size_t end : other.ends_) ends_.push_back(offset + end);
        }
    }

    // Drops the cells of a row that was not finished.
    void DropUnfinishedRow() {
        ends_.resize(static_cast<size_t>(Rows()) * columns_);
        chars_.resize(ends_.empty() ? 0 : ends_.back());
    }

    void Clear() {
        chars_.clear();
        ends_.clear();
    }

private:
    int columns_;
    std::string chars_;
    std::vector<size_t> ends_;  // [i]: the end of cell i in chars_
};

}  // namespace model
