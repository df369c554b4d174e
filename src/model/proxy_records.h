#pragma once
// The records of a proxy data file read into a panel's tables, one sample a
// record: its text, drilling position or value as read, and its values.
// Once the first records are read, a file whose every further line holds
// one record and no quote is read in parts side by side; the result is the
// same as that of one thread, which reads anything else (and the whole file
// again from there when a part finds a line that is not one record).
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "model/item_reader.h"
#include "model/proxy_data.h"
#include "model/proxy_sides.h"
#include "values/values.h"

namespace model {

// How many threads read a large file, and the least bytes a part is given.
struct ProxyReading {
    int threads = 0;                 // 0: one per processor, at most 8
    size_t partBytes = size_t{1} << 18;  // the least bytes a part is given
};

// A value in single precision; beyond its range is run-time error 6.
inline float ProxySingle(double v) {
    if (!(std::fabs(v) <= std::numeric_limits<float>::max())) return values::CSng(v);
    return static_cast<float>(v);
}

// The items of the records: first those the header scan read beyond the
// header, then the file's.
class ProxyItems {
public:
    ProxyItems(ItemReader& file, const std::vector<std::string>& kept, size_t next)
        : file_(file), kept_(kept), next_(next) {}
    bool AtEnd() { return KeptAll() && file_.AtEnd(); }
    bool KeptAll() const { return next_ >= kept_.size(); }
    std::string_view Item() { return KeptAll() ? file_.Item() : std::string_view(kept_[next_++]); }
    float Number() { return ProxySingle(KeptAll() ? file_.NumberCell() : CellNumber(kept_[next_++])); }

private:
    ItemReader& file_;
    const std::vector<std::string>& kept_;
    size_t next_;
};

// Reads every record from `records` on into `p`, whose layout and columns
// are set: rows 1 to gProxyRows, each sample's position on the side's placed
// plane (9999 where it has none) and 9999 on every other plane.
void ReadProxyRecords(ItemReader& file, ProxyItems& records, const ProxySide& side, const ProxyReading& reading,
                      ProxyPanelData& p);

}  // namespace model
