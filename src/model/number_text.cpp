#include "model/number_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "values/runtime_error.h"

namespace model {
namespace {

constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
constexpr int kMostDecimals = 6;
constexpr double kLargest = 1e9;  // with 6 decimals still a whole number below 2^52

// x rounded to a whole number, an exact half to the even side, for |x| < 2^52:
// adding 2^52 leaves no bits below the point, so the addition itself rounds
// (without the call that nearbyint is on processors before SSE 4.1).
double RoundWhole(double x) {
    const double shift = std::copysign(0x1p52, x);
    return (x + shift) - shift;
}

constexpr char kTwoDigits[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

constexpr uint64_t kWholePowersOfTen[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

int DigitCount(uint64_t n) {
    int count = 1;
    for (; n >= 100; n /= 100) count += 2;
    return count + (n >= 10);
}

// Exactly `width` digits of n at `out`, leading zeros included.
void WriteDigits(char* out, uint64_t n, int width) {
    char* p = out + width;
    for (; p - out >= 2; n /= 100) {
        p -= 2;
        std::memcpy(p, kTwoDigits + 2 * (n % 100), 2);
    }
    if (p > out) *--p = static_cast<char>('0' + n % 10);
}

// The whole number n with `decimals` digits after the point: "-0.05" for
// n = 5, 2 decimals, negative.
char* WriteScaled(char* out, bool negative, uint64_t n, int decimals) {
    if (negative) *out++ = '-';
    const uint64_t whole = n / kWholePowersOfTen[decimals];
    const int width = DigitCount(whole);
    WriteDigits(out, whole, width);
    out += width;
    if (decimals == 0) return out;
    *out++ = '.';
    WriteDigits(out, n % kWholePowersOfTen[decimals], decimals);
    return out + decimals;
}

// Whether the decimal k / 10^d, computed as a double, reads back as the
// float: it must lie clearly inside the float's rounding interval (nothing is
// decided where rounding twice might differ from rounding once).
enum class Reads { kBack, kNot, kUnsure };

// The neighbours of a finite float that is not zero, a step towards and a
// step away from zero.
float Neighbour(float value, int32_t step) { return std::bit_cast<float>(std::bit_cast<int32_t>(value) + step); }

Reads ReadsBack(double quotient, float value) {
    const double v = value, inner = Neighbour(value, -1), outer = Neighbour(value, 1);
    const double low = (v + (value > 0 ? inner : outer)) / 2, high = (v + (value > 0 ? outer : inner)) / 2;
    const double margin = std::fabs(quotient) * 0x1p-50;
    if (quotient > low + margin && quotient < high - margin) return Reads::kBack;
    if (quotient < low - margin || quotient > high + margin) return Reads::kNot;
    return Reads::kUnsure;
}

// The fewest decimals that read back, which is the shortest text; nullptr
// for a value that needs more than six, or is large: the general conversion
// writes those.
//
// A double below 10^9 is more precise than a millionth, so two decimals of
// six digits or fewer never read back as the same double: the one found with
// six digits, its trailing zeros dropped, is the shortest.
char* WriteShort(char* out, double value) {
    if (!(std::fabs(value) < kLargest)) return nullptr;
    const double k = RoundWhole(value * kPowersOfTen[kMostDecimals]);
    if (k / kPowersOfTen[kMostDecimals] != value) return nullptr;
    auto n = static_cast<uint64_t>(std::fabs(k));
    int d = kMostDecimals;
    for (; d > 0 && n % 10 == 0; --d) n /= 10;
    return WriteScaled(out, value < 0, n, d);
}

// A float is less precise: the first number of decimals from none up that
// reads back.
char* WriteShort(char* out, float value) {
    const double v = value;
    if (!(std::fabs(v) < kLargest)) return nullptr;
    // Whole numbers below 2^24 are a float's own steps at most 1 apart.
    if (std::fabs(v) < 0x1p24 && RoundWhole(v) == v) return WriteScaled(out, v < 0, static_cast<uint64_t>(std::fabs(v)), 0);
    for (int d = 0; d <= kMostDecimals; ++d) {
        const double k = RoundWhole(v * kPowersOfTen[d]);
        switch (ReadsBack(k / kPowersOfTen[d], value)) {
            case Reads::kBack: return WriteScaled(out, v < 0, static_cast<uint64_t>(std::fabs(k)), d);
            case Reads::kUnsure: return nullptr;
            case Reads::kNot: break;
        }
    }
    return nullptr;
}

template <class T>
char* Write(char* out, T value) {
    if (!std::isfinite(value)) throw values::RuntimeError(values::kErrOverflow, "Overflow");
    if (value == 0) {
        *out = '0';
        return out + 1;
    }
    if (char* end = WriteShort(out, value)) return end;
    return std::to_chars(out, out + kNumberTextRoom, value, std::chars_format::fixed).ptr;
}

}  // namespace

char* WriteNumber(char* out, double value) { return Write(out, value); }
char* WriteNumber(char* out, float value) { return Write(out, value); }

}  // namespace model
