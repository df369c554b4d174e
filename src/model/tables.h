#pragma once
// Bounds-checked tables of the depth model. The program addresses them as the
// old platform did, column first and row last (gCorrRow(column, row)); a
// subscript outside a table is run-time error 9, never memory outside it.
// Rows grow as records are read; the columns are fixed.
#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <new>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "values/runtime_error.h"

namespace model {

[[noreturn]] inline void SubscriptOutOfRange() {
    throw values::RuntimeError(values::kErrSubscriptOutOfRange, "Subscript out of range");
}

// An allocator that leaves cells of plain types as the memory was when they
// are made without a value: a table clears the cells it hands out itself, so
// that a large table is not written twice.
template <class T>
struct UnclearedAllocator : std::allocator<T> {
    template <class U>
    struct rebind {
        using other = UnclearedAllocator<U>;
    };
    UnclearedAllocator() = default;
    template <class U>
    UnclearedAllocator(const UnclearedAllocator<U>&) noexcept {}
    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

// Which state of which table an index was read from. Every table gets an
// identity of its own when it is made, copied or assigned, and counts each
// access that may change it; two equal stamps mean the same cells, so an
// index that kept the stamp it was read at can tell when it is out of date.
struct TableStamp {
    uint64_t table = 0, changes = 0;
    friend bool operator==(const TableStamp&, const TableStamp&) = default;
};

class ChangeCount {
public:
    ChangeCount() = default;
    ChangeCount(const ChangeCount&) {}
    // A table moved from has lost its cells: it is another table too.
    ChangeCount(ChangeCount&& from) noexcept { from.Renew(); }
    ChangeCount& operator=(const ChangeCount&) {
        Renew();
        return *this;
    }
    ChangeCount& operator=(ChangeCount&& from) noexcept {
        Renew();
        from.Renew();
        return *this;
    }
    // Called at every write of a cell and every change of the rows.
    void Count() { ++changes_; }
    TableStamp Stamp() const { return {table_, changes_}; }

private:
    void Renew() {
        table_ = NewTable();
        changes_ = 0;
    }
    static uint64_t NewTable() {
        static std::atomic<uint64_t> tables{0};
        return tables.fetch_add(1, std::memory_order_relaxed) + 1;
    }
    uint64_t table_ = NewTable();
    uint64_t changes_ = 0;
};

// Each column's cells lie together, with room for `capacity_` rows, so that
// a walk down a column (every level change makes several) reads memory in
// order; rows are added a few at a time into that room, which doubles when full.
template <class T>
class Table2 {
public:
    explicit Table2(int columns = 1, int rows = 0)
        : columns_(columns), rows_(rows), capacity_(rows), cells_(Size(columns, rows), T{}) {}

    // A cell of a table that may be written. It reads as the cell; the
    // table counts a change when the cell is written, not when it is handed
    // out, so that a read counts nothing and a cell kept and written later
    // still counts. It finds its cell again at each use.
    class Cell {
    public:
        template <class U>
            requires std::is_assignable_v<T&, U&&>
        Cell& operator=(U&& value) {
            table_.Written(column_, row_) = std::forward<U>(value);
            return *this;
        }
        Cell& operator=(const Cell& from) { return *this = static_cast<const T&>(from); }
        operator const T&() const { return std::as_const(table_)(column_, row_); }
        template <class U>
        friend bool operator==(const Cell& cell, const U& value) {
            return static_cast<const T&>(cell) == value;
        }
        // Changes the cell where it is: change(T&) is the write.
        template <class F>
        void Change(F&& change) {
            std::forward<F>(change)(table_.Written(column_, row_));
        }

    private:
        friend class Table2;
        Cell(Table2& table, long column, long row) : table_(table), column_(column), row_(row) {}
        Table2& table_;
        long column_, row_;
    };
    Cell operator()(long column, long row) { return Cell(*this, column, row); }
    const T& operator()(long column, long row) const { return cells_[Index(column, row)]; }

    int Columns() const { return columns_; }
    long Rows() const { return rows_; }
    TableStamp Stamp() const { return changes_.Stamp(); }

    // A column's cells, rows 0 to Rows() - 1, side by side.
    std::span<const T> Column(long column) const {
        if (column < 0 || column >= columns_) SubscriptOutOfRange();
        return std::span<const T>(cells_.data() + Offset(column, 0), static_cast<size_t>(rows_));
    }

    // The same columns and rows, cell for cell.
    friend bool operator==(const Table2& a, const Table2& b) {
        if (a.columns_ != b.columns_ || a.rows_ != b.rows_) return false;
        for (long c = 0; c < a.columns_; ++c)
            if (!std::ranges::equal(a.Column(c), b.Column(c))) return false;
        return true;
    }

    // Rows 0 to rows - 1, contents dropped (the platform's ReDim).
    void Redim(int columns, long rows) {
        changes_.Count();
        cells_.assign(Size(columns, rows), T{});
        columns_ = columns;
        rows_ = capacity_ = rows;
    }
    // Rows 0 to rows - 1, the rows kept (ReDim Preserve of the last index);
    // rows added or given up are empty.
    void ResizeRows(long rows) {
        const long before = rows_;
        ResizeRowsUncleared(rows);
        for (long c = 0; c < columns_; ++c)
            for (long r = std::min(before, rows); r < std::max(before, rows); ++r) cells_[Offset(c, r)] = T{};
    }
    // The same for a caller that writes every cell of the rows it adds before
    // it reads one: they are left as the memory was.
    void ResizeRowsUncleared(long rows) {
        Size(columns_, rows);
        changes_.Count();
        if (rows > capacity_) Relocate(std::max(rows, 2 * capacity_));
        rows_ = rows;
    }
    // Room for `rows` rows before the next move, for a reader that can tell
    // how many rows are coming.
    void Reserve(long rows) {
        if (rows > capacity_) Relocate(rows);
    }
    // Gives back the room beyond the rows when it is more than an eighth of
    // them: a little room costs less than moving every cell.
    void ShrinkToFit() {
        if (capacity_ - rows_ > rows_ / 8) Relocate(rows_);
    }

private:
    static size_t Size(int columns, long rows) {
        if (columns < 1 || rows < 0) SubscriptOutOfRange();
        return static_cast<size_t>(columns) * static_cast<size_t>(rows);
    }
    size_t Offset(long column, long row) const {
        return static_cast<size_t>(column) * static_cast<size_t>(capacity_) + static_cast<size_t>(row);
    }
    size_t Index(long column, long row) const {
        if (column < 0 || column >= columns_ || row < 0 || row >= rows_) SubscriptOutOfRange();
        return Offset(column, row);
    }
    using Cells = std::vector<T, UnclearedAllocator<T>>;

    // The cell about to be written, counted.
    T& Written(long column, long row) {
        const size_t i = Index(column, row);
        changes_.Count();
        return cells_[i];
    }

    void Relocate(long capacity) {
        Cells cells(Size(columns_, capacity));
        for (long c = 0; c < columns_; ++c)
            for (long r = 0; r < rows_; ++r)
                cells[static_cast<size_t>(c) * static_cast<size_t>(capacity) + static_cast<size_t>(r)] =
                    std::move(cells_[Offset(c, r)]);
        cells_ = std::move(cells);
        capacity_ = capacity;
    }

    int columns_;
    long rows_;      // kept beside the cells: every subscript is checked against it
    long capacity_;  // rows each column has room for
    Cells cells_;    // rows_ to capacity_ of each column are not cleared
    ChangeCount changes_;
};

// A list of rows 0 to n - 1 with the same subscript check.
template <class T>
class Table1 {
public:
    Table1() = default;
    explicit Table1(long rows) : cells_(Size(rows)) {}

    T& operator()(long row) { return cells_[Index(row)]; }
    const T& operator()(long row) const { return cells_[Index(row)]; }

    long Rows() const { return static_cast<long>(cells_.size()); }
    std::span<const T> Cells() const { return cells_; }
    friend bool operator==(const Table1&, const Table1&) = default;

    void Redim(long rows) { cells_.assign(Size(rows), T{}); }
    void Append(T cell) { cells_.push_back(std::move(cell)); }
    // Rows 0 to rows - 1, the rows kept, new ones empty.
    void ResizeRows(long rows) { cells_.resize(Size(rows)); }
    void Reserve(long rows) { cells_.reserve(Size(rows)); }
    void ShrinkToFit() { cells_.shrink_to_fit(); }

private:
    static size_t Size(long rows) {
        if (rows < 0) SubscriptOutOfRange();
        return static_cast<size_t>(rows);
    }
    size_t Index(long row) const {
        if (row < 0 || static_cast<size_t>(row) >= cells_.size()) SubscriptOutOfRange();
        return static_cast<size_t>(row);
    }

    std::vector<T> cells_;
};

// The correlation model's cells: plane 0 to 3, bore hole 0 to 5, field 0 to 2,
// row 0 to n, each a text.
class CorrTable {
public:
    static constexpr int kPlanes = 4, kBoreHoles = 6, kFields = 3;

    Table2<std::string>::Cell operator()(long plane, long boreHole, long field, long row) {
        return cells_(Column(plane, boreHole, field), row);
    }
    const std::string& operator()(long plane, long boreHole, long field, long row) const {
        return cells_(Column(plane, boreHole, field), row);
    }
    long Rows() const { return cells_.Rows(); }
    void Redim(long rows) { cells_.Redim(kPlanes * kBoreHoles * kFields, rows); }
    void ResizeRows(long rows) { cells_.ResizeRows(rows); }

    // The cells as one table of kPlanes x kBoreHoles x kFields columns.
    const Table2<std::string>& Cells() const { return cells_; }
    static long Column(long plane, long boreHole, long field) {
        if (plane < 0 || plane >= kPlanes || boreHole < 0 || boreHole >= kBoreHoles || field < 0 ||
            field >= kFields)
            SubscriptOutOfRange();
        return (plane * kBoreHoles + boreHole) * kFields + field;
    }

private:
    Table2<std::string> cells_{kPlanes * kBoreHoles * kFields, 0};
};

}  // namespace model
