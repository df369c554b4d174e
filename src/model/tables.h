#pragma once
// Bounds-checked tables of the depth model. The program addresses them as the
// old platform did, column first and row last (gCorrRow(column, row)); a
// subscript outside a table is run-time error 9, never memory outside it.
// Rows grow as records are read; the columns are fixed.
#include <string>
#include <vector>

#include "forms/runtime_error.h"

namespace model {

[[noreturn]] inline void SubscriptOutOfRange() {
    throw forms::RuntimeError(forms::kErrSubscriptOutOfRange, "Subscript out of range");
}

template <class T>
class Table2 {
public:
    explicit Table2(int columns = 1, int rows = 0) : columns_(columns), rows_(rows), cells_(Size(columns, rows)) {}

    T& operator()(long column, long row) { return cells_[Index(column, row)]; }
    const T& operator()(long column, long row) const { return cells_[Index(column, row)]; }

    int Columns() const { return columns_; }
    long Rows() const { return rows_; }

    // Rows 0 to rows - 1, contents dropped (the platform's ReDim).
    void Redim(int columns, long rows) {
        cells_.assign(Size(columns, rows), T{});
        columns_ = columns;
        rows_ = rows;
    }
    // Rows 0 to rows - 1, the rows kept (ReDim Preserve of the last index).
    void ResizeRows(long rows) {
        cells_.resize(Size(columns_, rows));
        rows_ = rows;
    }

private:
    static size_t Size(int columns, long rows) {
        if (columns < 1 || rows < 0) SubscriptOutOfRange();
        return static_cast<size_t>(columns) * static_cast<size_t>(rows);
    }
    size_t Index(long column, long row) const {
        if (column < 0 || column >= columns_ || row < 0 || row >= Rows()) SubscriptOutOfRange();
        return static_cast<size_t>(row) * columns_ + static_cast<size_t>(column);
    }

    int columns_;
    long rows_;  // kept beside the cells: every subscript is checked against it
    std::vector<T> cells_;
};

// The correlation model's cells: plane 0 to 3, bore hole 0 to 5, field 0 to 2,
// row 0 to n, each a text.
class CorrTable {
public:
    static constexpr int kPlanes = 4, kBoreHoles = 6, kFields = 3;

    std::string& operator()(long plane, long boreHole, long field, long row) {
        return cells_(Column(plane, boreHole, field), row);
    }
    const std::string& operator()(long plane, long boreHole, long field, long row) const {
        return cells_(Column(plane, boreHole, field), row);
    }
    long Rows() const { return cells_.Rows(); }
    void Redim(long rows) { cells_.Redim(kPlanes * kBoreHoles * kFields, rows); }
    void ResizeRows(long rows) { cells_.ResizeRows(rows); }

private:
    static long Column(long plane, long boreHole, long field) {
        if (plane < 0 || plane >= kPlanes || boreHole < 0 || boreHole >= kBoreHoles || field < 0 ||
            field >= kFields)
            SubscriptOutOfRange();
        return (plane * kBoreHoles + boreHole) * kFields + field;
    }

    Table2<std::string> cells_{kPlanes * kBoreHoles * kFields, 0};
};

}  // namespace model
