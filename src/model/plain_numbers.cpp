#include "model/plain_numbers.h"

#include <charconv>
#include <cctype>
#include <cmath>

#include "values/runtime_error.h"
#include "values/values.h"

namespace model {
namespace plain {

// Kept out of line so that the reader's word path stays small.
[[gnu::noinline]] bool ParseShortDecimal(const char* p, const char* end, double& out) {
    auto digit = [&] { return p < end && *p >= '0' && *p <= '9'; };
    const bool negative = p < end && *p == '-';
    p += negative;
    const char* first = p;
    uint64_t mantissa = 0;
    // Nineteen digits never overflow; longer numbers wrap and go to the full reader.
    for (; digit(); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    long digits = p - first, decimals = 0;
    if (p < end && *p == '.') {
        const char* point = ++p;
        for (; digit(); ++p) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
        decimals = p - point;
        digits += decimals;
    }
    if (p != end || digits == 0 || digits > 19 || mantissa > (uint64_t{1} << 53)) return false;
    const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    out = negative ? -value : value;
    return true;
}

}  // namespace plain

namespace {

// A plain decimal number (optional minus, digits, point, exponent) parsed
// whole; false for anything the platform's own readers must look at. Cells
// are read digit by digit: many repeat one pattern ("9999"), which a
// processor predicts better than it computes a word.
bool ParsePlain(std::string_view text, double& out) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    if (plain::ParseShortDecimal(text.data(), end, out)) return true;
    char c = text.front();
    if (!((c >= '0' && c <= '9') || c == '-' || c == '.')) return false;
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && std::isfinite(out);
}

// Whether Val finds a digit at the text's start: after blanks, a hexadecimal
// "&H" and a digit, or a sign and then digits or a point and digits (Val
// passes blanks inside the number too).
bool HasLeadingNumber(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    size_t i = 0;
    while (i < text.size() && blank(text[i])) ++i;
    if (text.substr(i, 2) == "&H" || text.substr(i, 2) == "&h")
        return i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 2]));
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (digit(text[i])) return true;
        if (text[i] == '.' && !point) point = true;
        else if (!blank(text[i])) return false;
    }
    return false;
}

}  // namespace

double FastVal(std::string_view text) {
    double v;
    if (ParsePlain(text, v)) return v;
    // A text that starts with a letter (a label) has no numeric part.
    const char c = text.empty() ? '\0' : text.front();
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return 0.0;
    return values::Val(text);
}

double CellNumber(std::string_view text) {
    double v;
    if (ParsePlain(text, v)) return v;
    if (text.empty() || HasLeadingNumber(text)) return values::Val(text);
    throw values::RuntimeError(values::kErrTypeMismatch, "Type mismatch");
}

double StrictNumber(std::string_view text) {
    double v;
    if (ParsePlain(text, v)) return v;
    return values::CDbl(text);
}

}  // namespace model
