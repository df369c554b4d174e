#include "model/file_names.h"

#include <array>
#include <optional>

#include "values/values.h"

namespace model {
namespace {

using values::Left;
using values::Len;
using values::Mid;
using values::Right;
using values::Trim;

bool IsFolderSeparator(char c) { return c == '\\' || c == '/'; }

// One-based position of the last folder separator at or before `from`, 0 when none.
long LastSeparator(std::string_view s, long from) {
    for (long p = from; p >= 1; --p)
        if (IsFolderSeparator(s[p - 1])) return p;
    return 0;
}

constexpr std::array<std::string_view, 12> kMonths = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The month text of a label: " Feb. ", but " May " without a full stop.
std::string MonthText(std::string_view month) {
    if (month == "May") return " May ";
    std::string text(" ");
    return text.append(month).append(". ");
}

// Eight characters without blanks at either end that read as a number equal
// to their leading numeric value, as eight digits do.
bool IsDateRun(std::string_view w) {
    if (w.size() != 8 || w.front() == ' ' || w.back() == ' ') return false;
    if (!values::IsNumeric(w)) return false;
    return values::CDbl(w) == values::Val(w);
}

// The label from an eight-digit date run in the text, else from a month name
// at position `firstMonth` or later; nothing when the text holds neither.
std::optional<std::string> DateIn(std::string_view text, long firstMonth) {
    const long n = Len(text);
    for (long i = 1; i <= n - 7; ++i) {
        std::string_view d = text.substr(i - 1, 8);
        if (!IsDateRun(d)) continue;
        std::string_view mm = d.substr(4, 2);
        for (size_t m = 0; m < kMonths.size(); ++m) {
            char digits[3] = {static_cast<char>('0' + (m + 1) / 10), static_cast<char>('0' + (m + 1) % 10), 0};
            if (mm == digits) return std::string(d.substr(6, 2)) + MonthText(kMonths[m]) + std::string(d.substr(0, 4));
        }
        return std::string(d);
    }

    for (long i = firstMonth; i <= n - 7; ++i) {
        std::string_view three = text.substr(i - 1, 3);
        for (std::string_view month : kMonths) {
            if (three != month) continue;
            std::string s = Trim(Mid(text, i - 3, month == "May" ? 11 : 12));
            return Left(s, 2) + MonthText(month) + Right(s, 4);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string GetFileDate(std::string_view path) {
    // The file's own name first, so that a dated folder, or one whose name
    // holds a month ("Marie"), does not stamp every file in it.
    const long separator = LastSeparator(path, Len(path));
    if (auto date = DateIn(path.substr(static_cast<size_t>(separator)), 4)) return *date;
    if (auto date = DateIn(path, 5)) return *date;

    const std::string base = Right(path, 4) == ".csv" ? Left(path, Len(path) - 4) : std::string(path);
    long p = LastSeparator(base, Len(base) - 2);
    if (p > 0) return Mid(base, p + 1);
    return std::string(path);
}

std::string GetFileTitle(std::string_view path) {
    long p = LastSeparator(path, Len(path) - 1);
    long length = Len(path) - p - 4;
    if (length < 0) throw values::RuntimeError(values::kErrInvalidCall, "Invalid procedure call or argument");
    return Mid(path, p + 1, length);
}

std::string GetMiddleField(std::string_view text) {
    auto isSeparator = [](char c) { return c == '-' || c == ' '; };
    size_t start = std::string_view::npos, end = std::string_view::npos;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!isSeparator(text[i])) continue;
        if (start == std::string_view::npos) {
            start = i;
        } else {
            end = i;
            break;
        }
    }
    if (start == std::string_view::npos) return std::string(text);
    if (end != std::string_view::npos) return std::string(text.substr(start + 1, end - start - 1));
    if (start + 1 == text.size()) return std::string(text.substr(0, text.size() - 1));
    return std::string(text.substr(start + 1));
}

}  // namespace model
