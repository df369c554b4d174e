#pragma once
// The rest of a file, from a record's start at a line start, cut into parts
// at line starts to be read side by side. A part read alone reads what one
// reader would as long as one reader begins a record where the part begins:
// that holds when nothing in the rest is quoted (no item holds a line end)
// and every part before it reads as many records as it has lines that hold
// more than blanks. A reading that finds otherwise leaves the rest to one
// reader.
#include <cstddef>
#include <optional>
#include <vector>

#include "model/item_reader.h"

namespace model {

struct LineParts {
    std::vector<size_t> bounds;  // part k: bytes bounds[k] to bounds[k + 1] - 1 of the file
    std::vector<long> before;    // [k]: the lines of the parts before part k; [Count()]: all of them

    long Count() const { return static_cast<long>(bounds.size()) - 1; }
    long Lines(long k) const { return before[k + 1] - before[k]; }
    ItemReader Reader(const ItemReader& file, long k) const { return file.Part(bounds[k], bounds[k + 1]); }
};

// The rest of `file` in at most four parts a thread of at least `partBytes`
// bytes each, their lines counted side by side. Nothing when there are fewer
// than two threads or parts, or when the rest holds a quote or a NUL.
std::optional<LineParts> CutAtLines(const ItemReader& file, long threads, size_t partBytes);

}  // namespace model
