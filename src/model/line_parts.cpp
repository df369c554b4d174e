#include "model/line_parts.h"

#include <algorithm>
#include <string_view>

#include "model/side_by_side.h"

namespace model {
namespace {

constexpr long kPartsPerThread = 4;

// Lines that hold more than blanks; -1 when the text holds a quote or a NUL.
long RecordLines(std::string_view text) {
    if (text.find('"') != std::string_view::npos || text.find('\0') != std::string_view::npos) return -1;
    long lines = 0;
    for (size_t at = 0; at < text.size();) {
        const size_t end = std::min(text.find('\n', at), text.size());
        for (size_t c = at; c < end; ++c)
            if (text[c] != ' ' && text[c] != '\t' && text[c] != '\r') {
                ++lines;
                break;
            }
        at = end + 1;
    }
    return lines;
}

}  // namespace

std::optional<LineParts> CutAtLines(const ItemReader& file, long threads, size_t partBytes) {
    const std::string_view rest = file.Rest();
    const long parts =
        std::min<long>(kPartsPerThread * threads, static_cast<long>(rest.size() / std::max<size_t>(1, partBytes)));
    if (threads < 2 || parts < 2) return std::nullopt;
    LineParts cut;
    cut.bounds.push_back(0);
    for (long k = 1; k < parts; ++k) {
        const size_t end = rest.find('\n', std::max(rest.size() * k / parts, cut.bounds.back()));
        cut.bounds.push_back(end == std::string_view::npos ? rest.size() : end + 1);
    }
    cut.bounds.push_back(rest.size());
    cut.before.assign(static_cast<size_t>(parts) + 1, 0);
    SideBySide(parts, threads, [&](long k) {
        cut.before[k + 1] = RecordLines(rest.substr(cut.bounds[k], cut.bounds[k + 1] - cut.bounds[k]));
    });
    for (long k = 1; k <= parts; ++k) {
        if (cut.before[k] < 0) return std::nullopt;
        cut.before[k] += cut.before[k - 1];
    }
    for (size_t& bound : cut.bounds) bound += file.Position();
    return cut;
}

}  // namespace model
