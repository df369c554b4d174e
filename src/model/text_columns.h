#pragma once
// Text cells of a table with a fixed number of columns, addressed column first
// as the other tables are, for a table that may hold millions of short texts
// (the list of event layers). Each column keeps its cells in row order in a
// TextTable of its own (a length byte and the characters, no object per
// cell), so that cells written row after row, as a reading or a pass over the
// rows writes them, cost their characters and a byte. A cell written again
// is kept apart; a cell never written reads as empty text. A subscript
// outside the table is run-time error 9.
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "model/tables.h"
#include "model/text_table.h"

namespace model {

class TextColumns {
public:
    explicit TextColumns(int columns) { Redim(columns, 0); }

    int Columns() const { return static_cast<int>(columns_.size()); }
    long Rows() const { return rows_; }
    TableStamp Stamp() const { return changes_.Stamp(); }

    std::string_view operator()(long column, long row) const {
        CheckRow(row);
        const Column& c = columns_[ColumnOf(column)];
        return Rewritten(c, row, row < c.cells.Rows() ? c.cells(0, row) : std::string_view());
    }

    // A cell that may be written; it reads as its text.
    class Cell {
    public:
        Cell& operator=(std::string_view text) {
            table_.Write(column_, row_, text);
            return *this;
        }
        operator std::string_view() const { return std::as_const(table_)(column_, row_); }
        template <class U>
        friend bool operator==(const Cell& cell, const U& text) {
            return std::string_view(cell) == text;
        }

    private:
        friend class TextColumns;
        Cell(TextColumns& table, long column, long row) : table_(table), column_(column), row_(row) {}
        TextColumns& table_;
        long column_, row_;
    };
    Cell operator()(long column, long row) { return Cell(*this, column, row); }

    // Rows 0 to rows - 1, every cell empty.
    void Redim(int columns, long rows) {
        if (columns < 1 || rows < 0) SubscriptOutOfRange();
        changes_.Count();
        columns_.assign(static_cast<size_t>(columns), Column());
        rows_ = rows;
    }
    // One more row, its cells empty.
    void AddRow() {
        changes_.Count();
        ++rows_;
    }

    // Calls read(row, text) for every row of a column, in order.
    template <class Read>
    void EachCell(long column, Read&& read) const {
        const Column& c = columns_[ColumnOf(column)];
        long row = 0;
        if (c.cells.Rows() > 0) {
            TextTable::Cursor cursor(c.cells, 0);
            for (std::string_view text; row < c.cells.Rows(); ++row) {
                cursor.Next(&text);
                read(row, Rewritten(c, row, text));
            }
        }
        for (; row < rows_; ++row) read(row, Rewritten(c, row, {}));
    }

private:
    struct Column {
        TextTable cells{1};  // rows 0 to cells.Rows() - 1 as first written
        std::unordered_map<long, std::string> rewritten;
    };

    size_t ColumnOf(long column) const {
        if (column < 0 || column >= Columns()) SubscriptOutOfRange();
        return static_cast<size_t>(column);
    }
    void CheckRow(long row) const {
        if (row < 0 || row >= rows_) SubscriptOutOfRange();
    }
    static std::string_view Rewritten(const Column& c, long row, std::string_view text) {
        if (c.rewritten.empty()) return text;
        const auto it = c.rewritten.find(row);
        return it == c.rewritten.end() ? text : std::string_view(it->second);
    }
    void Write(long column, long row, std::string_view text);

    std::vector<Column> columns_;
    long rows_ = 0;
    ChangeCount changes_;
};

}  // namespace model
