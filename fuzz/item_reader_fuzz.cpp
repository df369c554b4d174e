// The item reader against a plain character-by-character reading of the same
// rules, and its numbers (read in the pass, or from an item's text) against
// the full conversions of the items.
// The first byte gives the number of items a record; the rest is the file.
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "values/values.h"

namespace {

// One item per call, read the slow way: a comma or a line end (CR-LF and
// CR-CR-LF as one) ends an item, quotes protect and are stripped, a doubled
// quote inside them is one quote, blanks around a plain item go.
class Reference {
public:
    explicit Reference(std::string_view text) : s_(text) {
        if (s_.substr(0, 3) == "\xEF\xBB\xBF") p_ = 3;
    }
    bool AtEnd() {
        if (!itemFollows_) {
            size_t q = p_;
            while (q < s_.size() && (s_[q] == ' ' || s_[q] == '\t' || s_[q] == '\r' || s_[q] == '\n')) {
                if (s_[q] == '\r' || s_[q] == '\n') p_ = q + 1;
                ++q;
            }
            if (q == s_.size()) p_ = q;
        }
        return p_ >= s_.size();
    }
    std::optional<std::string> Item() {
        if (p_ >= s_.size() && !itemFollows_) return std::nullopt;
        while (p_ < s_.size() && (s_[p_] == ' ' || s_[p_] == '\t')) ++p_;
        std::string item;
        if (p_ < s_.size() && s_[p_] == '"') {
            for (++p_; p_ < s_.size(); ++p_) {
                if (s_[p_] == '"') {
                    if (p_ + 1 >= s_.size() || s_[p_ + 1] != '"') break;
                    ++p_;
                }
                item += s_[p_];
            }
            if (p_ < s_.size()) ++p_;
            while (p_ < s_.size() && !IsSeparator(s_[p_])) ++p_;
        } else {
            for (; p_ < s_.size() && !IsSeparator(s_[p_]); ++p_) item += s_[p_];
            while (!item.empty() && (item.back() == ' ' || item.back() == '\t')) item.pop_back();
        }
        itemFollows_ = p_ < s_.size() && s_[p_] == ',';
        if (p_ < s_.size()) {
            if (s_.substr(p_, 2) == "\r\n") {
                p_ += 1;
            } else if (s_.substr(p_, 3) == "\r\r\n") {
                p_ += 2;
            }
            ++p_;
        }
        return item;
    }

private:
    static bool IsSeparator(char c) { return c == ',' || c == '\r' || c == '\n'; }
    std::string_view s_;
    size_t p_ = 0;
    bool itemFollows_ = false;
};

// A number or the run-time error that refused it.
struct Outcome {
    double value = 0;
    int error = 0;
    bool operator==(const Outcome& o) const {
        return error == o.error && (error != 0 || std::memcmp(&value, &o.value, sizeof value) == 0);
    }
};

template <class F>
Outcome Try(F f) {
    try {
        return {f(), 0};
    } catch (const values::RuntimeError& e) {
        return {0, e.number()};
    }
}

// A whole record read in one call: the values of its items, or an error.
struct RecordOutcome {
    std::vector<double> values;
    int error = 0;
};

RecordOutcome ReadRecord(model::ItemReader& reader, int width) {
    RecordOutcome outcome{std::vector<double>(static_cast<size_t>(width)), 0};
    try {
        reader.NumbersVal(outcome.values);
    } catch (const values::RuntimeError& e) {
        outcome.error = e.number();
    }
    return outcome;
}

// The error of the first of a record's items that has one, `otherwise` when none has.
int FirstError(const std::vector<Outcome>& record, int otherwise) {
    for (const Outcome& item : record)
        if (item.error != 0) return item.error;
    return otherwise;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const int width = data[0] % 6 + 1;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    Reference reference(text);
    model::ItemReader items{std::string(text)}, strict{std::string(text)}, lenient{std::string(text)};
    model::ItemReader records{std::string(text)};
    bool recordsInStep = true;
    for (;;) {
        const bool end = reference.AtEnd();
        fuzz::Require(items.AtEnd() == end && strict.AtEnd() == end && lenient.AtEnd() == end &&
                      (!recordsInStep || records.AtEnd() == end));
        if (end) return 0;
        std::vector<Outcome> record;
        for (int i = 0; i < width; ++i) {
            const std::optional<std::string> expected = reference.Item();
            std::optional<std::string> got;
            int error = 0;
            try {
                got = std::string(items.Item());
            } catch (const values::RuntimeError& e) {
                error = e.number();
            }
            const Outcome number = Try([&] { return strict.Number(); });
            const Outcome val = Try([&] { return lenient.NumberVal(); });
            if (!expected) {
                // Past the end: error 62 from every way of reading.
                fuzz::Require(error == values::kErrInputPastEnd && number.error == values::kErrInputPastEnd &&
                              val.error == values::kErrInputPastEnd);
                fuzz::Require(!recordsInStep ||
                              ReadRecord(records, width).error == FirstError(record, values::kErrInputPastEnd));
                return 0;
            }
            fuzz::Require(got == expected);
            const Outcome cdbl = Try([&] { return values::CDbl(*expected); });
            const Outcome plainVal = Try([&] { return values::Val(*expected); });
            fuzz::Require(number == cdbl && val == plainVal);
            // The same conversions of a text already read.
            fuzz::Require(Try([&] { return model::StrictNumber(*expected); }) == cdbl);
            fuzz::Require(Try([&] { return model::FastVal(*expected); }) == plainVal);
            record.push_back(plainVal);
        }
        // The record in one call: the same values, or the first item's error,
        // after which that reader is no longer where the others are.
        if (!recordsInStep) continue;
        const RecordOutcome whole = ReadRecord(records, width);
        const int error = FirstError(record, 0);
        fuzz::Require(whole.error == error);
        if (error != 0) recordsInStep = false;
        for (size_t i = 0; i < record.size() && recordsInStep; ++i)
            fuzz::Require(Outcome{whole.values[i], 0} == record[i]);
    }
}
