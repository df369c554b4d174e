#include "model/conversion_output.h"

#include <algorithm>
#include <memory>
#include <new>
#include <vector>

#include "model/age_conversion.h"
#include "model/depth_conversion.h"
#include "model/item_reader.h"
#include "model/number_text.h"
#include "model/replacing_file.h"
#include "model/runs_in_turn.h"
#include "model/side_by_side.h"
#include "values/runtime_error.h"
#include "values/values.h"

namespace model {
namespace {

bool IsMarker(double v) { return v == 9999 || v == -9999; }

// A derived column's row, checked: a trinity file read without the event list has no column 5.
double Cell(const LargeArray<double>& column, long row) {
    if (row < 0 || static_cast<size_t>(row) >= column.size()) SubscriptOutOfRange();
    return column[static_cast<size_t>(row)];
}

// The columns of a record, in the order of the file.
enum class Column { kInput, kComposite, kMaster, kEventFree, kAge, kErrorPlus, kErrorMinus, kUnit };

struct Plan {
    std::vector<Column> columns;
    int inputs;  // the source's own fields, first
    bool needsComposite = false, needsEventFree = false, needsAge = false;
};

Plan PlanOf(int16_t from, int16_t mask, bool master) {
    Plan plan;
    std::vector<Column>& c = plan.columns;
    auto composite = [&] {
        c.push_back(Column::kComposite);
        if (master) c.push_back(Column::kMaster);
    };
    auto ageGroup = [&](bool withAge) {
        if (withAge) c.push_back(Column::kAge);
        c.insert(c.end(), {Column::kErrorPlus, Column::kErrorMinus, Column::kUnit});
    };
    switch (from) {
        case kScaleTrinity:
            plan.inputs = 4;
            if (mask & kScaleComposite) composite();
            if (mask & kScaleEventFree) c.push_back(Column::kEventFree);
            if (mask & kScaleAge) ageGroup(true);
            break;
        case kScaleComposite:
            plan.inputs = 2;
            if (master) c.push_back(Column::kMaster);
            if (mask & kScaleEventFree) c.push_back(Column::kEventFree);
            if (mask & kScaleAge) ageGroup(true);
            break;
        case kScaleEventFree:
            plan.inputs = 2;
            if (mask & kScaleComposite) composite();
            if (mask & kScaleAge) ageGroup(true);
            break;
        case kScaleAge:
            plan.inputs = 2;
            ageGroup(false);
            if (mask & kScaleComposite) composite();
            if (mask & kScaleEventFree) c.push_back(Column::kEventFree);
            break;
        default:
            throw values::RuntimeError(values::kErrInvalidCall, "Invalid procedure call or argument");
    }
    for (Column column : c) {
        plan.needsComposite |= column == Column::kComposite || column == Column::kMaster;
        plan.needsEventFree |= column == Column::kEventFree;
        plan.needsAge |= column == Column::kAge || column == Column::kErrorPlus || column == Column::kUnit;
    }
    return plan;
}

// A buffer records are built in, kept from run to run; its pages are
// touched as records fill them, not before.
struct RecordBuffer {
    std::unique_ptr<char[]> data;
    size_t size = 0;

    // At least `bytes`, what it held before given up.
    void Have(size_t bytes) {
        if (bytes <= size) return;
        data.reset(new char[bytes]);
        size = bytes;
    }
};

// Records built in a buffer and handed on in blocks of whole records as it
// fills. Each record first makes room for its longest possible text.
class Records {
public:
    static constexpr size_t kBlock = 1 << 19;

    Records(RecordBuffer& buffer, const BlockOut& out) : out_(out), buffer_(buffer) { buffer_.Have(kBlock); }

    // Room for a record of `texts` characters of text in `fields` fields.
    void Begin(size_t texts, size_t fields) {
        const size_t room = 2 * texts + fields * (kNumberTextRoom + 3) + 2;
        if (used_ + room > buffer_.size) {
            Flush();
            buffer_.Have(room);
        }
        first_ = true;
    }
    // Fields are short: copied a character at a time, each quote twice.
    void Text(std::string_view text) {
        char* p = Separate();
        *p++ = '"';
        for (char c : text) {
            *p++ = c;
            if (c == '"') *p++ = '"';
        }
        *p++ = '"';
        used_ = static_cast<size_t>(p - buffer_.data.get());
    }
    template <class T>
    void Number(T value) {
        used_ = static_cast<size_t>(WriteNumber(Separate(), value) - buffer_.data.get());
    }
    void End() {
        buffer_.data[used_++] = '\r';
        buffer_.data[used_++] = '\n';
    }
    void Flush() {
        if (used_ > 0) out_(std::string_view(buffer_.data.get(), used_));
        used_ = 0;
    }

private:
    char* Separate() {
        char* p = buffer_.data.get() + used_;
        if (!first_) *p++ = ',';
        first_ = false;
        return p;
    }
    const BlockOut& out_;
    RecordBuffer& buffer_;
    size_t used_ = 0;
    bool first_ = true;
};

// The values of one data row that its record needs.
struct RowValues {
    double composite = 0;  // unrounded, for the master column
    double compositeWritten = 0;
    double eventFree = 0;
    float age = 0, plus = 0, minus = 0;
    float master = 0;  // the master column's value
    // A text column: the unit, or the no-value marker of a row without an age as text.
    std::string_view unit;
};

class Conversion {
public:
    Conversion(const ConversionTables& t, int16_t from, DepthModel& m, const MasterColumn* master)
        : t_(t), from_(from), m_(m), master_(master) {}

    long Rows() const { return from_ == kScaleTrinity ? t_.gConvTrinity.Rows() : t_.gConvTable.Rows(); }
    std::string_view Input(int column, long row) const {
        return from_ == kScaleTrinity ? t_.gConvTrinity.fields(column, row) : t_.gConvTable.fields(column, row);
    }
    // The source's fields, row after row from `row` on.
    TextTable::Cursor Inputs(long row) const {
        return TextTable::Cursor(from_ == kScaleTrinity ? t_.gConvTrinity.fields : t_.gConvTable.fields, row);
    }

    // The first pass over a one-value file: column 3, the event-free depth of
    // an age or a composite depth, or the composite depth of an event-free
    // depth; markers are copied. A value that is not a number fails here.
    void DeriveColumn3() {
        if (from_ == kScaleTrinity) return;
        const long n = Rows();
        column3_.assign(static_cast<size_t>(n) + 1, 0.0);
        for (long r = 1; r <= n; ++r) {
            const double v = Value(r);
            if (IsMarker(v)) {
                column3_[r] = v;
            } else if (from_ == kScaleAge) {
                column3_[r] = values::RoundHalfEven(AgeToEFD(m_, values::CSng(v)), m_.precision->gDepthPrecision);
            } else if (from_ == kScaleComposite) {
                column3_[r] = CDToEFD(m_, values::CSng(v));
            } else {
                column3_[r] = EFDToCD(m_, values::CSng(v));
            }
        }
    }

    RowValues Values(long r, const Plan& plan) const {
        RowValues v;
        const ConversionTrinity& trinity = t_.gConvTrinity;
        if (plan.needsComposite) {
            switch (from_) {
                case kScaleTrinity:
                    v.composite = Cell(trinity.composite, r);
                    v.compositeWritten = values::RoundHalfEven(v.composite, m_.precision->gDepthPrecision);
                    break;
                case kScaleComposite: v.composite = Value(r); break;
                case kScaleEventFree: v.composite = v.compositeWritten = column3_[r]; break;
                default: v.composite = v.compositeWritten = EFDToCD(m_, values::CSng(column3_[r]));
            }
        }
        if (plan.needsEventFree) v.eventFree = from_ == kScaleTrinity ? Cell(trinity.eventFree, r) : column3_[r];
        if (plan.needsAge) {
            const float e = values::CSng(from_ == kScaleTrinity    ? Cell(trinity.eventFree, r)
                                        : from_ == kScaleEventFree ? Value(r)
                                                                   : column3_[r]);
            const int decimals = m_.precision->gAgePrecision;
            v.age = values::CSng(values::RoundHalfEven(EFDToAge(m_, e), decimals));
            v.plus = values::CSng(values::RoundHalfEven(m_.gAgeErrPlus, decimals));
            v.minus = values::CSng(values::RoundHalfEven(m_.gAgeErrMinus, decimals));
            if (IsMarker(e)) {
                v.unit = e > 0 ? "9999" : "-9999";
            } else {
                const std::string& lo = m_.gAgeModel(9, m_.gAgeRowLo);
                const std::string& hi = m_.gAgeModel(9, m_.gAgeRowHi);
                v.unit = hi == lo ? std::string_view(hi) : std::string_view("Hybrid unit");
            }
        }
        if (master_) v.master = Master(v.composite);
        return v;
    }

    float Master(double composite) const {
        if (IsMarker(composite)) return 9999;
        return values::CSng(values::RoundHalfEven(master_->toMaster(values::CSng(composite)), m_.precision->gDepthPrecision));
    }

private:
    // The value field of a one-value row, which must be a number.
    double Value(long r) const { return StrictNumber(t_.gConvTable.fields(1, r)); }

    const ConversionTables& t_;
    int16_t from_;
    DepthModel& m_;
    const MasterColumn* master_;
    std::vector<double> column3_;
};

void WriteHeader(Records& out, const Plan& plan, const Conversion& conversion, int16_t from,
                 const ConversionTitles& titles, const ConversionTables& t, const MasterColumn* master) {
    const bool trinity = from == kScaleTrinity;
    const std::string* texts[] = {&t.gConvTrinity.compositeTitle, &t.gConvTrinity.eventFreeTitle, &titles.compositeDepth,
                                  &titles.eventFreeDepth, &titles.age, &titles.errorPlus, &titles.errorMinus};
    size_t length = master ? master->title.size() : 0;
    for (const std::string* text : texts) length += text->size();
    for (int c = 0; c < plan.inputs; ++c) length += conversion.Input(c, 0).size();
    out.Begin(length + 8, plan.inputs + plan.columns.size());
    for (int c = 0; c < plan.inputs; ++c) out.Text(conversion.Input(c, 0));
    for (Column column : plan.columns) {
        switch (column) {
            case Column::kComposite:
                out.Text(trinity ? t.gConvTrinity.compositeTitle : titles.compositeDepth);
                break;
            case Column::kMaster: out.Text(master->title); break;
            case Column::kEventFree:
                out.Text(trinity ? t.gConvTrinity.eventFreeTitle : titles.eventFreeDepth);
                break;
            case Column::kAge: out.Text(titles.age); break;
            case Column::kErrorPlus: out.Text(titles.errorPlus); break;
            case Column::kErrorMinus: out.Text(titles.errorMinus); break;
            case Column::kUnit: out.Text("Age unit"); break;
            case Column::kInput: break;
        }
    }
    out.End();
}

// A record from its values and the row's fields (`inputs`): no model is
// read, so records are written side by side.
void WriteRow(Records& out, const Plan& plan, const std::string_view* inputs, const RowValues& v) {
    size_t length = v.unit.size();
    for (int c = 0; c < plan.inputs; ++c) length += inputs[c].size();
    out.Begin(length, plan.inputs + plan.columns.size());
    for (int c = 0; c < plan.inputs; ++c) out.Text(inputs[c]);
    for (Column column : plan.columns) {
        switch (column) {
            case Column::kComposite: out.Number(v.compositeWritten); break;
            case Column::kMaster: out.Number(v.master); break;
            case Column::kEventFree: out.Number(v.eventFree); break;
            case Column::kAge: out.Number(v.age); break;
            case Column::kErrorPlus: out.Number(v.plus); break;
            case Column::kErrorMinus: out.Number(v.minus); break;
            case Column::kUnit: out.Text(v.unit); break;
            case Column::kInput: break;
        }
    }
    out.End();
}

// A writer's slot: the values of its run's rows and the buffer their records
// are built in, both used again run after run.
struct RunSlot {
    std::vector<RowValues> values;
    long first = 0;  // the run's first row
    RecordBuffer buffer;
};

void WriteRuns(const ConversionTables& t, int16_t from, int16_t mask, DepthModel& m, const ConversionTitles& titles,
               const MasterColumn* master, const BlockOut& out, const ConversionParts& parts) {
    const Plan plan = PlanOf(from, mask, master != nullptr);
    Conversion conversion(t, from, m, master);
    conversion.DeriveColumn3();
    RecordBuffer headerBuffer;
    Records header(headerBuffer, out);
    WriteHeader(header, plan, conversion, from, titles, t, master);
    header.Flush();
    // The values of each run of rows are found on this thread, row after row
    // as the conversions' kept state (the age rows last used, the master
    // column's last pair) requires; the run's records are written meanwhile
    // by a writer of their own (model/runs_in_turn.h).
    const long n = conversion.Rows();
    const long rowsAtOnce = std::max(1L, parts.writeRows);
    const long runs = (n + rowsAtOnce - 1) / rowsAtOnce;
    std::vector<RunSlot> slots(static_cast<size_t>(std::min(runs, parts.threads > 0 ? parts.threads : Processors())));
    const RunSteps steps{
        [&](size_t slot, long run) {
            RunSlot& s = slots[slot];
            s.first = 1 + run * rowsAtOnce;
            s.values.clear();
            s.values.reserve(static_cast<size_t>(rowsAtOnce));
            for (long r = s.first; r <= std::min(n, s.first + rowsAtOnce - 1); ++r) s.values.push_back(conversion.Values(r, plan));
        },
        [&](size_t slot, long, const BlockOut& handOn) {
            RunSlot& s = slots[slot];
            Records records(s.buffer, handOn);
            TextTable::Cursor rows = conversion.Inputs(s.first);
            std::string_view inputs[4];
            for (const RowValues& values : s.values) {
                rows.Next(inputs);
                WriteRow(records, plan, inputs, values);
            }
            records.Flush();
        }};
    RunInTurn(runs, slots.size(), steps, out);
}

}  // namespace

ConversionTitles TitlesOf(const DepthModel& m, const std::string& errorNamePlus, const std::string& errorNameMinus) {
    return {"Composite depth (correlation model: version " + m.gVerCorrelation + ")",
            "Event free depth (event list: version " + m.gVerEvents + ")",
            "Age (age model: version " + m.gVerAgeModel + ")", "Age " + errorNamePlus + " error (+)",
            "Age " + errorNameMinus + " error (-)"};
}

ConversionSave CheckConversion(const ConversionTables& t, int16_t from, int16_t mask, const DepthModel& m) {
    if ((from == kScaleAge || (mask & kScaleAge)) && !m.gAgeModelLoaded) return {true, kConversionNeedsAgeModel};
    if (from == kScaleTrinity && (mask & (kScaleEventFree | kScaleAge)) && !t.gConvTrinity.HasEventFree())
        return {true, kConversionNeedsEventFreeDepths};
    return {};
}

void WriteConversion(const ConversionTables& t, int16_t from, int16_t mask, DepthModel& m,
                     const ConversionTitles& titles, const MasterColumn* master,
                     const BlockOut& out, const ConversionParts& parts) {
    try {
        WriteRuns(t, from, mask, m, titles, master, out, parts);
    } catch (const std::bad_alloc&) {
        values::OutOfMemory();
    }
}

ConversionSave SaveConvertedFile(const ConversionTables& t, int16_t from, int16_t mask, DepthModel& m,
                                 const std::string& path, const ConversionTitles& titles,
                                 const MasterColumn* master, const ConversionParts& parts) {
    if (ConversionSave refusal = CheckConversion(t, from, mask, m); refusal.refused) return refusal;
    try {
        ReplacingFile file(path);
        WriteConversion(t, from, mask, m, titles, master, [&](std::string_view block) { file.Write(block); }, parts);
        file.Commit();
    } catch (const std::bad_alloc&) {
        values::OutOfMemory();
    }
    return {};
}

}  // namespace model
