#include "model/age_conversion.h"

#include <cmath>
#include <utility>

#include "model/depth_conversion.h"
#include "model/duo_conversion.h"
#include "model/item_reader.h"
#include "model/search.h"
#include "values/values.h"

namespace model {
namespace {

constexpr int kCompositeDepth = 5, kErrorPlus = 6, kAge = 7, kErrorMinus = 8, kEventFreeDepth = 11;
constexpr const char* kByEventFreeDepth = "(interpolated by EFD)";
constexpr const char* kByVarveCount = "(interpolated by varve count)";

void RequireAgeModel(DepthModel& m) {
    if (m.gAgeModelRows < 2) SubscriptOutOfRange();
    AgeModelIndex& index = m.gAgeIndex;
    if (index.valid && index.column[0].size() == static_cast<size_t>(m.gAgeModelRows) + 1) return;
    for (int c = 0; c < 12; ++c) {
        std::vector<double>& values = index.column[c];
        values.resize(static_cast<size_t>(m.gAgeModelRows) + 1);
        for (long j = 0; j <= m.gAgeModelRows; ++j) values[j] = FastVal(std::as_const(m).gAgeModel(c, j));
        // NaN never compares, so a column holding one is not ascending.
        index.ascending[c] = true;
        for (long j = 1; j < m.gAgeModelRows; ++j)
            if (!(values[j + 1] >= values[j])) index.ascending[c] = false;
    }
    index.valid = true;
}

// A cell's number; RequireAgeModel has read them, and rows are 0 to gAgeModelRows.
double Cell(const DepthModel& m, int column, long row) { return m.gAgeIndex.column[column][row]; }

// The upper of the two neighbouring control points used for x in the key
// column: the last pair that brackets x, the first two above the model, the
// last two below it (and at the last point). Keys that bracket x nowhere keep
// the earlier choice.
long Bracket(const DepthModel& m, int key, double x, long earlier) {
    const long n = m.gAgeModelRows;
    const std::vector<double>& keys = m.gAgeIndex.column[key];
    if (keys[1] > x) return 1;
    if (keys[n] <= x) return n - 1;
    // Keys that never decrease bracket x once at most: the pair below the
    // first key above x, most often the pair of the last level converted.
    if (m.gAgeIndex.ascending[key] && !std::isnan(x)) {
        if (earlier >= 1 && earlier < n && keys[earlier] <= x && x < keys[earlier + 1]) return earlier;
        return FirstReached(n, [&](long k) { return keys[k] > x; }) - 1;
    }
    long lo = (earlier >= 1 && earlier < n) ? earlier : 1;
    for (long j = 1; j < n; ++j)
        if (keys[j] <= x && x < keys[j + 1]) lo = j;
    return lo;
}

// The value of a column at x on the line through control points lo and lo + 1.
double Line(const DepthModel& m, long lo, int key, double x, int column) {
    const double k0 = Cell(m, key, lo), k1 = Cell(m, key, lo + 1);
    const double v0 = Cell(m, column, lo), v1 = Cell(m, column, lo + 1);
    return v0 + values::Divide((x - k0) * (v1 - v0), k1 - k0);
}

double Fraction(const DepthModel& m, long lo, int column, double f) {
    const double v0 = Cell(m, column, lo);
    return v0 + (Cell(m, column, lo + 1) - v0) * f;
}

void KeepRows(DepthModel& m, long lo) {
    m.gAgeRowLo = values::CInt(static_cast<double>(lo));
    m.gAgeRowHi = values::CInt(static_cast<double>(lo + 1));
}

void KeepErrors(DepthModel& m, double plus, double minus) {
    m.gAgeErrPlus = values::CSng(plus);
    m.gAgeErrMinus = values::CSng(minus);
}

double NoValue(DepthModel& m, float x) {
    KeepErrors(m, x, x);
    return x;
}

// Varves counted between the upper point and the level (above) and between
// the level and the lower point (below); rows exactly at one of the three
// depths count for neither.
struct VarveCounts {
    double above = 0, below = 0;
};

VarveCounts CountVarves(const DepthModel& m, double level, double upper, double lower) {
    VarveCounts counts;
    for (long i = 1; i <= m.gVarveCount; ++i) {
        const double d = m.gVarve(0, i);
        const double increment = double(m.gVarve(1, i)) - double(m.gVarve(1, i - 1));
        if (upper < d && d < level) counts.above += increment;
        else if (level < d && d < lower) counts.below += increment;
        if (d > lower) break;
    }
    return counts;
}

std::optional<double> EventFreeDepthToAge(DepthModel& m, float efd, Side side);

// The event-free depth of a composite depth by the side's rules.
std::optional<double> EventFreeDepth(const DepthModel& m, float cd, Side side) {
    return side == Side::kMain ? CDToEFD(m, cd) : CDToEFD2(m, cd);
}

std::optional<double> CompositeDepthToAge(DepthModel& m, float cd, Side side) {
    if (cd == 9999.0f || cd == -9999.0f) return NoValue(m, cd);
    RequireAgeModel(m);
    auto byEventFreeDepth = [&] {
        return EventFreeDepthToAge(m, values::CSng(EventFreeDepth(m, cd, side).value_or(0)), side);
    };
    if (!m.gVarvesLoaded || cd < m.gVarveTopCD || cd > m.gVarveBottomCD) return byEventFreeDepth();

    const long lo = Bracket(m, kCompositeDepth, cd, m.gAgeRowLo);
    KeepRows(m, lo);
    const double upper = Cell(m, kCompositeDepth, lo), lower = Cell(m, kCompositeDepth, lo + 1);
    if (upper < m.gVarveTopCD || lower > m.gVarveBottomCD) return byEventFreeDepth();

    const VarveCounts counts = CountVarves(m, cd, upper, lower);
    m.gAgeCaption = kByVarveCount;
    if (counts.above + counts.below == 0) {
        KeepErrors(m, Cell(m, kErrorPlus, lo), Cell(m, kErrorMinus, lo));
        return Cell(m, kAge, lo);
    }
    const double f = counts.above / (counts.above + counts.below);
    KeepErrors(m, Fraction(m, lo, kErrorPlus, f), Fraction(m, lo, kErrorMinus, f));
    return Fraction(m, lo, kAge, f);
}

double EventFreeDepthToAgeSteps(DepthModel& m, float efd) {
    if (efd == 9999.0f || efd == -9999.0f) return NoValue(m, efd);
    RequireAgeModel(m);
    const long lo = Bracket(m, kEventFreeDepth, efd, m.gAgeRowLo);
    KeepRows(m, lo);
    const bool inVarves = m.gVarvesLoaded && m.gVarveTopEFD <= efd && efd <= m.gVarveBottomEFD &&
                          Cell(m, kEventFreeDepth, lo) >= m.gVarveTopEFD &&
                          Cell(m, kEventFreeDepth, lo + 1) <= m.gVarveBottomEFD;
    if (inVarves) {
        const double cd = EFDToCD(m, efd);
        const VarveCounts counts =
            CountVarves(m, cd, Cell(m, kCompositeDepth, lo), Cell(m, kCompositeDepth, lo + 1));
        // Without counts on either side the level takes the lower point's age.
        const double f = counts.above + counts.below == 0 ? 1.0 : counts.above / (counts.above + counts.below);
        m.gAgeCaption = kByVarveCount;
        KeepErrors(m, Fraction(m, lo, kErrorPlus, f), Fraction(m, lo, kErrorMinus, f));
        return Fraction(m, lo, kAge, f);
    }
    m.gAgeCaption = kByEventFreeDepth;
    KeepErrors(m, Line(m, lo, kEventFreeDepth, efd, kErrorPlus), Line(m, lo, kEventFreeDepth, efd, kErrorMinus));
    return Line(m, lo, kEventFreeDepth, efd, kAge);
}

std::optional<double> EventFreeDepthToAge(DepthModel& m, float efd, Side side) {
    if (side == Side::kMain) return EventFreeDepthToAgeSteps(m, efd);
    if (!m.gEventsLoaded) return std::nullopt;
    try {
        return EventFreeDepthToAgeSteps(m, efd);
    } catch (const values::RuntimeError&) {
        return std::nullopt;
    }
}

// First varve row from `from` on whose depth is at least `depth`, minus one.
long VarveRowAbove(const DepthModel& m, long from, double depth) {
    long i = from;
    while (i <= m.gVarveCount && !(m.gVarve(0, i) >= depth)) ++i;
    return i - 1;
}

std::optional<double> AgeToEventFreeDepth(DepthModel& m, float age, Side side) {
    RequireAgeModel(m);
    auto ageOf = [&](float efd) { return EventFreeDepthToAge(m, efd, side).value_or(0); };
    const long lo = Bracket(m, kAge, age, 1);
    const double efdLo = Cell(m, kEventFreeDepth, lo), efdHi = Cell(m, kEventFreeDepth, lo + 1);
    if (m.gVarvesLoaded && ageOf(m.gVarveTopEFD) <= age && age <= ageOf(m.gVarveBottomEFD) &&
        efdLo >= m.gVarveTopEFD && efdHi <= m.gVarveBottomEFD) {
        const double d1 = age - ageOf(values::CSng(efdLo));
        const double d2 = ageOf(values::CSng(efdHi)) - age;
        const double cdLo = Cell(m, kCompositeDepth, lo), cdHi = Cell(m, kCompositeDepth, lo + 1);
        const long i1 = VarveRowAbove(m, 1, cdLo);
        const long i2 = VarveRowAbove(m, i1 + 1, cdHi);
        const double target =
            d1 + d2 == 0 ? 0.0 : (double(m.gVarve(1, i2)) - double(m.gVarve(1, i1))) * d1 / (d1 + d2);
        double cd = cdHi, sum = 0;  // a target beyond the counts ends at the lower point
        for (long i = i1 + 1; i <= m.gVarveCount; ++i) {
            sum += double(m.gVarve(1, i)) - double(m.gVarve(1, i - 1));
            if (sum >= target) {
                cd = cdLo + double(m.gVarve(0, i - 1)) - double(m.gVarve(0, i1));
                break;
            }
        }
        auto error = [&](int column) {
            const double e0 = Cell(m, column, lo);
            return e0 + values::Divide((Cell(m, column, lo + 1) - e0) * (cd - cdLo), cdHi - cdLo);
        };
        KeepErrors(m, error(kErrorPlus), error(kErrorMinus));
        return EventFreeDepth(m, values::CSng(cd), side);
    }
    if (side == Side::kMain) {
        m.gAgeCaption = kByEventFreeDepth;
        KeepErrors(m, Line(m, lo, kAge, age, kErrorPlus), Line(m, lo, kAge, age, kErrorMinus));
    }
    return Line(m, lo, kAge, age, kEventFreeDepth);
}

}  // namespace

double CDToAge(DepthModel& m, float cd) { return *CDToAge(m, cd, Side::kMain); }

double EFDToAge(DepthModel& m, float efd) { return *EFDToAge(m, efd, Side::kMain); }

double AgeToEFD(DepthModel& m, float age) { return *AgeToEFD(m, age, Side::kMain); }

std::optional<double> CDToAge(DepthModel& m, float cd, Side side) {
    m.gAgeCaption.clear();
    return CompositeDepthToAge(m, cd, side);
}

std::optional<double> EFDToAge(DepthModel& m, float efd, Side side) {
    m.gAgeCaption.clear();
    return EventFreeDepthToAge(m, efd, side);
}

std::optional<double> AgeToEFD(DepthModel& m, float age, Side side) {
    m.gAgeCaption.clear();
    return AgeToEventFreeDepth(m, age, side);
}

}  // namespace model
