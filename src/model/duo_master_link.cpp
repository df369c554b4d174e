#include "model/duo_master_link.h"

#include <cmath>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "model/correlation_lookup.h"
#include "model/depth_conversion.h"
#include "model/duo_conversion.h"
#include "model/item_reader.h"
#include "model/search.h"
#include "model/trinity_index.h"
#include "values/values.h"

namespace model {
namespace {

// One side of a conversion: a model and the way its composite depths become
// event-free depths and back.
struct Scale {
    const DepthModel& m;
    Side side;

    double Efd(double cd) const {
        const float x = values::CSng(cd);
        return side == Side::kMain ? CDToEFD(m, x) : CDToEFD2(m, x).value_or(0);
    }
    double Cd(double efd) const { return EFDToCD(m, values::CSng(efd)); }
};

// Bore holes 1 to 4; any other index is run-time error 9.
size_t BoreHole(int k) {
    if (k < 1 || k > 4) SubscriptOutOfRange();
    return static_cast<size_t>(k);
}

bool Ascending(const std::vector<double>& values) {
    for (size_t i = 1; i < values.size(); ++i)
        if (!(values[i] >= values[i - 1])) return false;
    return true;
}

// For many conversions while the models stay as they are: the event-free
// depths of the tie pairs on both sides, each taken at its first use, and
// the pair found below the last level (levels often come in order).
struct PairDepths {
    explicit PairDepths(size_t n)
        : from(n, std::numeric_limits<double>::quiet_NaN()), to(n, std::numeric_limits<double>::quiet_NaN()) {}
    std::vector<double> from, to;
    long lastBelow = 0;
};

double Kept(std::vector<double>* kept, long k, const Scale& scale, double depth) {
    if (!kept) return scale.Efd(depth);
    double& v = (*kept)[static_cast<size_t>(k)];
    if (std::isnan(v)) v = scale.Efd(depth);
    return v;
}

// Converts x from the `from` depths of the tie pairs to their `to` depths.
float Convert(float x, const std::vector<double>& from, const std::vector<double>& to, bool ascending,
              const Scale& source, const Scale& target, bool byEventFreeDepth, PairDepths* pairs = nullptr) {
    if (x == 9999.0f || x == -9999.0f) return 9999.0f;
    const long n = static_cast<long>(from.size());
    if (n == 0) return 9999.0f;
    const double level = x;

    // B, the first pair that lies below the level (1-based, n + 1 for none);
    // every pair before it lies at or above the level, so A is the one just
    // before B. Pairs in depth order are searched, others walked.
    auto below = [&](long k) { return !(level >= from[k - 1]); };
    long b = 1;
    if (ascending) {
        // The last level's pair when it is this level's too.
        const long hint = pairs ? pairs->lastBelow : 0;
        if (hint >= 1 && (hint == 1 || !below(hint - 1)) && (hint > n || below(hint))) b = hint;
        else b = FirstReached(n, below);
        if (pairs) pairs->lastBelow = b;
    } else {
        while (b <= n && !below(b)) ++b;
    }

    double v;
    if (b == 1 || b > n) {
        // Beyond the pairs: the offset from the nearest one.
        const long k = (b == 1 ? 1 : n) - 1;
        v = byEventFreeDepth ? target.Cd(source.Efd(level) - Kept(pairs ? &pairs->from : nullptr, k, source, from[k]) +
                                         Kept(pairs ? &pairs->to : nullptr, k, target, to[k]))
                             : level - from[k] + to[k];
    } else {
        const long a = b - 2, c = b - 1;  // the two pairs around the level, 0-based
        if (!byEventFreeDepth) {
            v = to[a] + (to[c] - to[a]) * (level - from[a]) / (from[c] - from[a]);
        } else {
            std::vector<double>* fromKept = pairs ? &pairs->from : nullptr;
            std::vector<double>* toKept = pairs ? &pairs->to : nullptr;
            const double e = source.Efd(level), eA = Kept(fromKept, a, source, from[a]),
                         eB = Kept(fromKept, c, source, from[c]);
            const double fA = Kept(toKept, a, target, to[a]), fB = Kept(toKept, c, target, to[c]);
            double w;
            if (eA != eB) w = fB - (fB - fA) * (eB - e) / (eB - eA);
            else w = e >= eA ? e - eA + fA : e - eB + fB;  // both ties in one event layer
            v = target.Cd(w);
        }
    }
    return values::CSng(values::RoundHalfEven(v, target.m.precision->gDepthPrecision));
}

}  // namespace

float MasterCoreLink::DuoToMainCD(float duoDepth) const {
    const MasterTiePairs& pairs = master_.gTiePairs;
    return Convert(duoDepth, pairs.own, pairs.master, pairs.ownAscending, {duo_, Side::kDuo}, {main_, Side::kMain},
                   ByEventFreeDepth());
}

std::function<float(float)> MasterCoreLink::DuoToMainCDForMany() const {
    const MasterTiePairs& pairs = master_.gTiePairs;
    auto kept = std::make_shared<PairDepths>(pairs.own.size());
    const bool byEventFreeDepth = ByEventFreeDepth();
    return [this, &pairs, kept, byEventFreeDepth](float duoDepth) {
        return Convert(duoDepth, pairs.own, pairs.master, pairs.ownAscending, {duo_, Side::kDuo}, {main_, Side::kMain},
                       byEventFreeDepth, kept.get());
    };
}

float MasterCoreLink::MainToDuoCD(float mainDepth) const {
    const MasterTiePairs& pairs = master_.gTiePairs;
    return Convert(mainDepth, pairs.master, pairs.own, pairs.masterAscending, {main_, Side::kMain},
                   {duo_, Side::kDuo}, ByEventFreeDepth());
}

std::string MasterCoreLink::BoreHoleName(int k) const { return duo_.gBoreHoleName[BoreHole(k)]; }

std::string MasterCoreLink::BoreHoleLongName(int k) const { return duo_.gBoreHoleLongName[BoreHole(k)]; }

int16_t MasterCoreLink::GetSectionNo2(int16_t boreHole, std::string_view name) const {
    return GetSectionNo(duo_, boreHole, name);
}

SectionEnds MasterCoreLink::SectionEnds2(int16_t boreHole, int16_t section) const {
    return GetSectionEnds(duo_, boreHole, section);
}

TrinityDepth MasterCoreLink::TrinityToCD2(int16_t boreHole, int16_t section, float psp) const {
    return model::TrinityToCD2(duo_, boreHole, section, psp, duo_.gExtrapolation);
}

std::shared_ptr<TrinityIndex> MasterCoreLink::PositionIndex2() const {
    return std::make_shared<TrinityIndex>(duo_);
}

void IndexTiePairs(const DepthModel& duo, DuoMasterCore& master) {
    MasterTiePairs pairs;
    for (long r = 1; r <= duo.gRowCount; ++r) {
        const double own = StrictNumber(duo.gCorrRow(1, r));
        const double depth = FastVal(std::as_const(master).gMasterRow(1, r));
        if (own == kNoValue || depth == kNoValue) continue;
        pairs.own.push_back(own);
        pairs.master.push_back(depth);
    }
    pairs.ownAscending = Ascending(pairs.own);
    pairs.masterAscending = Ascending(pairs.master);
    master.gTiePairs = std::move(pairs);
}

}  // namespace model
