#include "model/event_types.h"

#include "values/values.h"

namespace model {
namespace {

bool IsWord(std::string_view s, std::string_view lower, std::string_view capital) { return s == lower || s == capital; }

bool Contains(std::string_view type, std::string_view lower, std::string_view capital) {
    return type.find(lower) != std::string_view::npos || type.find(capital) != std::string_view::npos;
}

}  // namespace

bool IsTephra(std::string_view type) { return type.size() >= 6 && Contains(type, "tephra", "Tephra"); }

bool IsVoid(std::string_view type) { return type.size() >= 4 && Contains(type, "void", "Void"); }

std::string GetTephraName(std::string_view type) {
    const long n = static_cast<long>(type.size());
    if (n <= 6) return std::string(type);
    auto tephraAt = [&](long pos) { return IsWord(type.substr(pos, 6), "tephra", "Tephra"); };  // zero-based
    long cutFront = 0, cutBack = 0;
    if (tephraAt(0)) {
        cutFront = 7;
    } else if (tephraAt(1)) {
        cutFront = 8;
    } else if (tephraAt(n - 6)) {
        cutBack = 7;
    } else if (tephraAt(n - 7)) {
        cutBack = 8;
    } else {
        return {};
    }
    if (cutFront + cutBack > n) return std::string(type);
    return values::Trim(type.substr(cutFront, n - cutFront - cutBack));
}

}  // namespace model
