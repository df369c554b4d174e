#include "model/cell_index.h"

#include "model/correlation_lookup.h"
#include "model/plain_numbers.h"
#include "values/runtime_error.h"
#include "values/values.h"

namespace model {
namespace {

bool StartsWith(std::string_view text, std::string_view a, std::string_view b) {
    return text.substr(0, a.size()) == a || text.substr(0, b.size()) == b;
}

uint8_t LabelFacts(std::string_view text) {
    uint8_t facts = 0;
    if (IsTopLabel(text)) facts |= kTopLabelText;
    if (IsBottomLabel(text)) facts |= kBottomLabelText;
    if (StartsWith(text, "Pin", "pin")) facts |= kPinText;
    if (StartsWith(text, "Gap", "gap") || StartsWith(text, "Void", "void")) facts |= kGapText;
    if (text == "9999") facts |= kNoValueText;
    return facts;
}

// The cell's number as Val reads it, and its facts.
uint8_t Read(std::string_view text, double& value) {
    uint8_t facts = LabelFacts(text);
    // Most cells are short plain decimals: wholly a number, read so by every reader.
    if (plain::ParseShortDecimal(text.data(), text.data() + text.size(), value)) return facts;
    if (!values::IsNumeric(text)) facts |= kNotWhole;
    try {
        value = FastVal(text);
    } catch (const values::RuntimeError&) {
        value = 0;
        facts |= kValOverflows;
    }
    return facts;
}

}  // namespace

bool IndexedColumn::Any(long first, long last, CellFact fact) const {
    for (long r = first; r <= last; ++r)
        if (Is(r, fact)) return true;
    return false;
}

void IndexedColumn::Read(const Table2<std::string>& table, long column) {
    const std::span<const std::string> cells = table.Column(column);
    values_.resize(cells.size());
    facts_.resize(cells.size());
    for (size_t r = 0; r < cells.size(); ++r) facts_[r] = model::Read(cells[r], values_[r]);
}

void IndexedColumn::Read(const TextColumns& table, long column) {
    values_.resize(static_cast<size_t>(table.Rows()));
    facts_.resize(static_cast<size_t>(table.Rows()));
    table.EachCell(column, [this](long r, std::string_view text) {
        facts_[static_cast<size_t>(r)] = model::Read(text, values_[static_cast<size_t>(r)]);
    });
}

void IndexedColumn::Overflow() { throw values::RuntimeError(values::kErrOverflow, "Overflow"); }

void IndexedColumn::TypeMismatch() { throw values::RuntimeError(values::kErrTypeMismatch, "Type mismatch"); }

template <class Table>
const IndexedColumn& CellIndex::Read(const Table& table, long column) const {
    if (column < 0 || column >= table.Columns()) SubscriptOutOfRange();
    if (columns_.size() != static_cast<size_t>(table.Columns())) {
        columns_.clear();
        columns_.resize(static_cast<size_t>(table.Columns()));
    }
    Slot& slot = columns_[static_cast<size_t>(column)];
    if (!slot.read || slot.stamp != table.Stamp()) {
        slot.cells.Read(table, column);
        slot.stamp = table.Stamp();
        slot.read = true;
    }
    return slot.cells;
}

const IndexedColumn& CellIndex::Column(const Table2<std::string>& table, long column) const {
    return Read(table, column);
}

const IndexedColumn& CellIndex::Column(const TextColumns& table, long column) const { return Read(table, column); }

size_t CellIndex::Bytes() const {
    size_t bytes = columns_.capacity() * sizeof(Slot);
    for (const Slot& slot : columns_) bytes += slot.cells.Bytes();
    return bytes;
}

}  // namespace model
