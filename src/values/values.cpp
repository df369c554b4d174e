#include "values/values.h"

#include <algorithm>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <limits>

namespace values {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

[[noreturn]] void TypeMismatch() { throw RuntimeError(kErrTypeMismatch, "Type mismatch"); }
[[noreturn]] void Overflow() { throw RuntimeError(kErrOverflow, "Overflow"); }

// Whether a number too far from 1 for a double lies beyond the largest one
// rather than below the smallest: its first digit's place and its exponent.
bool BeyondLargest(std::string_view number) {
    const size_t e = number.find('e');
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits[0] == '-';
        if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) digits.remove_prefix(1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec != std::errc())
            exponent = std::numeric_limits<int>::max();
        if (negative) exponent = -exponent;
    }
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = mantissa.find_first_of("123456789");
    const long long place = first < point ? static_cast<long long>(point - first)
                                          : 1 - static_cast<long long>(first - point);
    return place + exponent > 0;
}

// The number's text as the program writes it, read with a point as the
// decimal mark whatever the process's locale says: every file, box and
// caption of the program uses one. A number below the smallest double reads
// as zero, one beyond the largest as infinity.
double ReadNumber(const std::string& number) {
    const char* first = number.data();
    if (*first == '+') ++first;
    double out = 0.0;
    const auto [end, ec] = std::from_chars(first, number.data() + number.size(), out);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        const bool negative = number[0] == '-';
        out = BeyondLargest(number) ? std::numeric_limits<double>::infinity() : 0.0;
        if (negative) out = -out;
    }
    return out;
}

// Parses a whole-text number (blanks allowed around it); false when the text
// is not entirely one number.
bool ParseWhole(std::string_view text, double& out) {
    size_t i = 0, n = text.size();
    while (i < n && IsBlank(text[i])) ++i;
    size_t end = n;
    while (end > i && IsBlank(text[end - 1])) --end;
    if (i == end) return false;
    std::string buf;
    buf.reserve(end - i);
    if (text[i] == '+' || text[i] == '-') buf.push_back(text[i++]);
    bool digits = false;
    while (i < end && IsDigit(text[i])) { buf.push_back(text[i++]); digits = true; }
    if (i < end && text[i] == '.') {
        buf.push_back(text[i++]);
        while (i < end && IsDigit(text[i])) { buf.push_back(text[i++]); digits = true; }
    }
    if (!digits) return false;
    if (i < end && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        buf.push_back('e');
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) buf.push_back(text[i++]);
        bool expDigits = false;
        while (i < end && IsDigit(text[i])) { buf.push_back(text[i++]); expDigits = true; }
        if (!expDigits) return false;
    }
    if (i != end) return false;
    out = ReadNumber(buf);
    return std::isfinite(out);
}

}  // namespace

double Val(std::string_view text) {
    // The old Val skips blanks, tabs and line feeds anywhere inside the number.
    std::string buf;
    size_t i = 0, n = text.size();
    auto skip = [&] { while (i < n && IsBlank(text[i])) ++i; };
    skip();
    if (i + 1 < n && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h')) {
        i += 2;
        long long v = 0;
        while (i < n && std::isxdigit(static_cast<unsigned char>(text[i])) && v < (1LL << 40)) {
            const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
            v = v * 16 + (IsDigit(c) ? c - '0' : c - 'a' + 10);
            ++i;
        }
        return static_cast<double>(v);
    }
    if (i < n && (text[i] == '+' || text[i] == '-')) { buf.push_back(text[i++]); skip(); }
    bool digits = false;
    while (i < n && (IsDigit(text[i]) || IsBlank(text[i]))) {
        if (IsDigit(text[i])) { buf.push_back(text[i]); digits = true; }
        ++i;
    }
    if (i < n && text[i] == '.') {
        buf.push_back('.');
        ++i;
        while (i < n && (IsDigit(text[i]) || IsBlank(text[i]))) {
            if (IsDigit(text[i])) { buf.push_back(text[i]); digits = true; }
            ++i;
        }
    }
    if (!digits) return 0.0;
    if (i < n && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::string exp = "e";
        size_t j = i + 1;
        while (j < n && IsBlank(text[j])) ++j;
        if (j < n && (text[j] == '+' || text[j] == '-')) exp.push_back(text[j++]);
        bool expDigits = false;
        while (j < n && (IsDigit(text[j]) || IsBlank(text[j]))) {
            if (IsDigit(text[j])) { exp.push_back(text[j]); expDigits = true; }
            ++j;
        }
        if (expDigits) buf += exp;
    }
    double v = ReadNumber(buf);
    if (!std::isfinite(v)) Overflow();
    return v;
}

bool IsNumeric(std::string_view text) {
    double v;
    return ParseWhole(text, v);
}

double CDbl(std::string_view text) {
    double v;
    if (!ParseWhole(text, v)) TypeMismatch();
    return v;
}

float CSng(std::string_view text) { return CSng(CDbl(text)); }

double CDbl(double value) { return value; }

float CSng(double value) {
    if (std::isnan(value) || std::fabs(value) > FLT_MAX) Overflow();
    return static_cast<float>(value);
}

double RoundHalfEven(double value, int decimals) {
    if (decimals <= 0) return std::nearbyint(value);
    // The powers of ten that a double holds exactly, without a call to pow
    // (which gives the same values): depth conversions round every result.
    static constexpr double kExact[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    double scale = decimals <= 22 ? kExact[decimals] : std::pow(10.0, decimals);
    double scaled = value * scale;
    if (!std::isfinite(scaled)) return value;
    return std::nearbyint(scaled) / scale;
}

int16_t CInt(double value) {
    double r = std::nearbyint(value);
    if (!(r >= -32768.0 && r <= 32767.0)) Overflow();
    return static_cast<int16_t>(r);
}

int32_t CLng(double value) {
    double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) Overflow();
    return static_cast<int32_t>(r);
}

int16_t CInt(std::string_view text) { return CInt(CDbl(text)); }
int32_t CLng(std::string_view text) { return CLng(CDbl(text)); }

int16_t AddInt16(int16_t a, int b) {
    long r = static_cast<long>(a) + b;
    if (r < -32768 || r > 32767) Overflow();
    return static_cast<int16_t>(r);
}

double Divide(double numerator, double denominator) {
    if (denominator == 0.0) {
        if (numerator == 0.0) Overflow();  // 0/0 is an overflow on the old platform
        throw RuntimeError(kErrDivisionByZero, "Division by zero");
    }
    return numerator / denominator;
}

namespace {

// Seven significant digits, trailing zeros dropped, E notation outside the
// range the old platform prints in fixed form. The digits are printf's %e
// (std::to_chars with a precision rounds alike, exactly, ties to even),
// laid out in place: lists of millions of layers write several a layer.
std::string SignificantText(double value, int digits) {
    if (value == 0.0) return "0";
    // The old platform's numbers are never infinite: a sum that got there overflowed.
    if (!std::isfinite(value)) Overflow();
    char sci[64];  // [-]d.dddddde[+-]XX
    const char* const sciEnd =
        std::to_chars(sci, sci + sizeof sci, value, std::chars_format::scientific, digits - 1).ptr;
    const char* at = sci;
    const bool neg = *at == '-';
    if (neg) ++at;
    char dig[32];
    int n = 0;
    for (; *at != 'e'; ++at)
        if (*at != '.') dig[n++] = *at;
    int exp = 0;
    for (const char* e = at + 2; e < sciEnd; ++e) exp = 10 * exp + (*e - '0');
    if (at[1] == '-') exp = -exp;
    while (n > 1 && dig[n - 1] == '0') --n;

    char out[64];
    char* o = out;
    if (neg) *o++ = '-';
    const auto digitsFrom = [&](int from, int to) {
        for (int i = from; i < to; ++i) *o++ = dig[i];
    };
    if (exp >= digits || exp < -4) {
        *o++ = dig[0];
        if (n > 1) {
            *o++ = '.';
            digitsFrom(1, n);
        }
        *o++ = 'E';
        *o++ = exp < 0 ? '-' : '+';
        const int magnitude = exp < 0 ? -exp : exp;
        if (magnitude >= 100) *o++ = static_cast<char>('0' + magnitude / 100);
        *o++ = static_cast<char>('0' + magnitude / 10 % 10);
        *o++ = static_cast<char>('0' + magnitude % 10);
    } else if (exp >= 0) {
        digitsFrom(0, std::min(n, exp + 1));
        for (int i = n; i < exp + 1; ++i) *o++ = '0';
        if (n > exp + 1) {
            *o++ = '.';
            digitsFrom(exp + 1, n);
        }
    } else {
        *o++ = '0';
        *o++ = '.';
        for (int i = 0; i < -exp - 1; ++i) *o++ = '0';
        digitsFrom(0, n);
    }
    return std::string(out, o);
}

}  // namespace

std::string SingleText(float value) { return SignificantText(value, 7); }
std::string DoubleText(double value) { return SignificantText(value, 15); }

std::string LTrim(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    return std::string(s.substr(i));
}

std::string RTrim(std::string_view s) {
    size_t n = s.size();
    while (n > 0 && s[n - 1] == ' ') --n;
    return std::string(s.substr(0, n));
}

std::string Trim(std::string_view s) { return LTrim(RTrim(s)); }

std::string Left(std::string_view s, long n) {
    if (n < 0) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
    return std::string(s.substr(0, std::min<size_t>(n, s.size())));
}

std::string Right(std::string_view s, long n) {
    if (n < 0) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
    size_t k = std::min<size_t>(n, s.size());
    return std::string(s.substr(s.size() - k));
}

std::string Mid(std::string_view s, long start, long length) {
    if (start < 1) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
    if (static_cast<size_t>(start) > s.size()) return {};
    std::string_view rest = s.substr(start - 1);
    if (length < 0) return std::string(rest);
    return std::string(rest.substr(0, std::min<size_t>(length, rest.size())));
}

long InStr(std::string_view haystack, std::string_view needle, long start) {
    if (start < 1) throw RuntimeError(kErrInvalidCall, "Invalid procedure call or argument");
    if (static_cast<size_t>(start) > haystack.size() + 1) return 0;
    size_t p = haystack.find(needle, start - 1);
    return p == std::string_view::npos ? 0 : static_cast<long>(p) + 1;
}

long InStrRev(std::string_view haystack, std::string_view needle, long start) {
    long n = static_cast<long>(haystack.size());
    if (start == -1) start = n;
    if (start < 1 || start > n) return 0;
    long last = start - static_cast<long>(needle.size()) + 1;
    for (long i = last; i >= 1; --i)
        if (haystack.substr(i - 1, needle.size()) == needle) return i;
    return 0;
}

long Len(std::string_view s) { return static_cast<long>(s.size()); }

std::string Str(long value) { return std::to_string(value); }

}  // namespace values
