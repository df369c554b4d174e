#include "model/item_reader.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstring>
#include <fstream>

#include "forms/runtime_error.h"
#include "forms/values.h"

namespace model {
namespace {

// Separators of items: a comma or a line end.
constexpr auto kSeparator = [] {
    std::array<bool, 256> table{};
    table[static_cast<unsigned char>(',')] = table[static_cast<unsigned char>('\n')] =
        table[static_cast<unsigned char>('\r')] = true;
    return table;
}();

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSeparator(char c) { return kSeparator[static_cast<unsigned char>(c)]; }

constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Eight characters from p as one little-endian word; the buffer carries
// padding, so a word may reach past the end of the text.
// A short decimal ("-12.345"): at most 15 digits, no exponent. Its digits
// and its power of ten are both exact doubles, so one division gives the
// correctly rounded value, as every full reader would. Returns the end of the
// number, or nullptr when the text does not start with one.
const char* ParseShortDecimal(const char* p, const char* end, double& out) {
    const bool negative = p < end && *p == '-';
    if (negative) ++p;
    uint64_t mantissa = 0;
    int digits = 0, decimals = 0;
    for (; p < end && *p >= '0' && *p <= '9'; ++p, ++digits) mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    if (p < end && *p == '.') {
        for (++p; p < end && *p >= '0' && *p <= '9'; ++p, ++digits, ++decimals)
            mantissa = mantissa * 10 + static_cast<unsigned>(*p - '0');
    }
    if (digits == 0 || digits > 15) return nullptr;
    if (p < end && (*p == 'e' || *p == 'E' || *p == 'd' || *p == 'D')) return nullptr;
    const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    out = negative ? -value : value;
    return p;
}

// A plain decimal number (optional minus, digits, point, exponent) parsed
// whole; false for anything the platform's own readers must look at.
bool ParsePlain(std::string_view text, double& out) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    if (ParseShortDecimal(text.data(), end, out) == end) return true;
    char c = text.front();
    if (!((c >= '0' && c <= '9') || c == '-' || c == '.')) return false;
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && std::isfinite(out);
}

}  // namespace

ItemReader::ItemReader(std::string contents) : buffer_(std::move(contents)), size_(buffer_.size()) {
    if (size_ >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) pos_ = 3;
}

ItemReader ItemReader::Open(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw forms::RuntimeError(forms::kErrFileNotFound, "File not found");
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    std::string contents;
    if (size > 0) {
        contents.resize(static_cast<size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(contents.data(), size);
        contents.resize(static_cast<size_t>(in.gcount()));
    }
    return ItemReader(std::move(contents));
}

bool ItemReader::AtEnd() {
    if (!itemFollows_) {
        // Pass over blank lines: blanks and tabs up to a line end.
        size_t p = pos_;
        while (p < size_) {
            char c = buffer_[p];
            if (IsBlank(c)) {
                ++p;
            } else if (c == '\n' || c == '\r') {
                pos_ = ++p;
            } else {
                break;
            }
        }
        if (p >= size_) pos_ = p;
    }
    return pos_ >= size_;
}

std::string_view ItemReader::Item() {
    const size_t n = size_;
    const char* data = buffer_.data();
    if (pos_ >= n && !itemFollows_) throw forms::RuntimeError(forms::kErrInputPastEnd, "Input past end of file");
    size_t p = pos_;
    while (p < n && IsBlank(data[p])) ++p;
    std::string_view item;
    if (p < n && data[p] == '"') {
        const void* close = std::memchr(data + p + 1, '"', n - p - 1);
        size_t q = close ? static_cast<size_t>(static_cast<const char*>(close) - data) : n;
        item = std::string_view(data + p + 1, q - p - 1);
        p = q < n ? q + 1 : n;
        while (p < n && !IsSeparator(data[p])) ++p;
    } else {
        size_t start = p;
        while (p < n && !IsSeparator(data[p])) ++p;
        size_t stop = p;
        while (stop > start && IsBlank(data[stop - 1])) --stop;
        item = std::string_view(data + start, stop - start);
    }
    itemFollows_ = false;
    if (p < n) {
        char sep = data[p++];
        if (sep == ',') {
            itemFollows_ = true;
        } else if (sep == '\r' && p < n && data[p] == '\n') {
            ++p;
        }
    }
    pos_ = p;
    return item;
}

bool ItemReader::TryShortDecimal(double& value) {
    const size_t n = size_;
    const char* data = buffer_.data();
    const char* end = ParseShortDecimal(data + pos_, data + n, value);
    if (!end) return false;
    size_t p = static_cast<size_t>(end - data);
    if (p < n && !IsSeparator(data[p])) return false;  // more text: the general reader decides
    itemFollows_ = false;
    if (p < n) {
        char sep = data[p++];
        if (sep == ',') {
            itemFollows_ = true;
        } else if (sep == '\r' && p < n && data[p] == '\n') {
            ++p;
        }
    }
    pos_ = p;
    return true;
}

double ItemReader::Number() {
    double value;
    if (TryShortDecimal(value)) return value;
    return StrictNumber(Item());
}

double ItemReader::NumberVal() {
    double value;
    if (TryShortDecimal(value)) return value;
    return FastVal(Item());
}

double FastVal(std::string_view text) {
    double v;
    if (ParsePlain(text, v)) return v;
    return forms::Val(text);
}

double StrictNumber(std::string_view text) {
    double v;
    if (ParsePlain(text, v)) return v;
    return forms::CDbl(text);
}

}  // namespace model
