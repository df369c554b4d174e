#pragma once
// The texts of a table's cells read once as the program's readers read them,
// column by column, so that a walk over the tie rows or the event layers on
// every level change compares numbers instead of parsing texts.
//
// A column is read when it is first asked for and again whenever its table
// has changed since (the table's stamp, tables.h), so an index never answers
// for cells that are no longer there. The program reads it on the thread that
// changes the tables; a column handed out stays valid until the next change.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/tables.h"
#include "model/text_columns.h"

namespace model {

// What a cell's text is, beside its number.
enum CellFact : uint8_t {
    kNotWhole = 1,         // CDbl: not wholly a number, run-time error 13
    kValOverflows = 2,     // Val (and FastVal): run-time error 6
    kNoValueText = 4,      // the text is the no-value marker "9999" itself
    kTopLabelText = 8,     // IsTopLabel
    kBottomLabelText = 16, // IsBottomLabel
    kPinText = 32,         // begins "Pin" or "pin"
    kGapText = 64,         // begins "Gap", "gap", "Void" or "void"
};

// One column of a table: for each row the number Val reads in the cell (which
// FastVal reads too, and CDbl where the text is wholly a number) and its facts.
class IndexedColumn {
public:
    long Rows() const { return static_cast<long>(facts_.size()); }
    // values::Val / model::FastVal of the cell, with their run-time error 6.
    double Val(long row) const {
        const size_t i = At(row);
        if (facts_[i] & kValOverflows) Overflow();
        return values_[i];
    }
    // values::CDbl of the cell, with its run-time error 13.
    double CDbl(long row) const {
        const size_t i = At(row);
        if (facts_[i] & kNotWhole) TypeMismatch();
        return values_[i];
    }
    bool Is(long row, CellFact fact) const { return (facts_[At(row)] & fact) != 0; }
    // Whether any cell of rows first to last has the fact.
    bool Any(long first, long last, CellFact fact) const;

    // Reads rows 0 to Rows() - 1 of a column of the table.
    void Read(const Table2<std::string>& table, long column);
    void Read(const TextColumns& table, long column);
    size_t Bytes() const { return values_.capacity() * sizeof(double) + facts_.capacity(); }

private:
    size_t At(long row) const {
        if (row < 0 || row >= Rows()) SubscriptOutOfRange();
        return static_cast<size_t>(row);
    }
    [[noreturn]] static void Overflow();
    [[noreturn]] static void TypeMismatch();

    std::vector<double> values_;  // 0 where Val overflows
    std::vector<uint8_t> facts_;
};

// The columns of one table that have been asked for. Copies start empty.
class CellIndex {
public:
    CellIndex() = default;
    CellIndex(const CellIndex&) {}
    CellIndex& operator=(const CellIndex&) {
        columns_.clear();
        return *this;
    }

    // Column `column` of `table`, read again first when the table changed
    // (or is another table) since it was read. A column outside the table is
    // run-time error 9.
    const IndexedColumn& Column(const Table2<std::string>& table, long column) const;
    const IndexedColumn& Column(const TextColumns& table, long column) const;
    // The heap the read columns take.
    size_t Bytes() const;

private:
    template <class Table>
    const IndexedColumn& Read(const Table& table, long column) const;
    struct Slot {
        TableStamp stamp;
        bool read = false;
        IndexedColumn cells;
    };
    mutable std::vector<Slot> columns_;
};

}  // namespace model
