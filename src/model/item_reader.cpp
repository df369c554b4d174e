#include "model/item_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstring>
#include <fstream>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

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

// A short decimal ("-12.345"): an optional minus, digits, an optional point
// and digits, no exponent, read from p up to the first other character or
// `end`. When its digits make a whole number of at most 2^53 (and so at most
// 19 decimals), the digits and the power of ten are both exact doubles, so one
// division gives the correctly rounded value, as every full reader would.
// Returns the end of the number, or nullptr when the text does not start with
// one of these. The item reader takes ParseWordDecimal first for numbers of
// up to seven characters; this one is kept out of line so that path stays small.
[[gnu::noinline]] const char* ParseShortDecimal(const char* p, const char* end, double& out) {
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
    if (digits == 0 || digits > 19 || mantissa > (uint64_t{1} << 53)) return nullptr;
    const double value = static_cast<double>(mantissa) / kPowersOfTen[decimals];
    out = negative ? -value : value;
    return p;
}

// Eight bytes from p as one word, the first byte lowest.
inline uint64_t Word(const char* p) {
    static_assert(std::endian::native == std::endian::little);
    uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

constexpr uint64_t Bytes(unsigned char c) { return 0x0101010101010101ULL * c; }

// A high bit in every byte of v that is zero; exact for the lowest such byte.
constexpr uint64_t ZeroBytes(uint64_t v) { return (v - Bytes(1)) & ~v & Bytes(0x80); }

// The bytes below byte n (n < 8).
constexpr uint64_t Below(unsigned n) { return (uint64_t{1} << (8 * n)) - 1; }

// The same short decimal as ParseShortDecimal when it ends, with its
// separator (a comma, a line end or a NUL), within the eight bytes of w: the
// digits are found and converted as one word, without a branch per character
// that a processor would guess wrong on numbers of varying length. Returns
// the number's length, or -1 when this does not apply.
inline int ParseWordDecimal(uint64_t w, double& out) {
    const uint64_t ends = ZeroBytes(w ^ Bytes(',')) | ZeroBytes(w ^ Bytes('\n')) | ZeroBytes(w ^ Bytes('\r')) | ZeroBytes(w);
    if (ends == 0) return -1;
    const unsigned length = static_cast<unsigned>(std::countr_zero(ends)) / 8;  // 0 to 7
    const unsigned sign = (w & 0xFF) == '-';
    uint64_t digits = (w & Below(length)) >> (8 * sign);
    unsigned count = length - sign, decimals = 0;
    const uint64_t points = ZeroBytes(w ^ Bytes('.')) & Below(length);
    if (points != 0) {
        const unsigned point = static_cast<unsigned>(std::countr_zero(points)) / 8 - sign;
        decimals = count - point - 1;
        digits = (digits & Below(point)) | ((digits >> 8) & ~Below(point));
        --count;
    }
    if (count == 0) return -1;
    // Leading zeros up to eight digits, then all eight must be digits.
    digits = (digits << (8 * (8 - count))) | (Bytes('0') >> (8 * count));
    if (((digits & Bytes(0xF0)) | (((digits + Bytes(0x06)) & Bytes(0xF0)) >> 4)) != Bytes(0x33)) return -1;
    digits = ((digits & Bytes(0x0F)) * 2561) >> 8;
    digits = ((digits & 0x00FF00FF00FF00FFULL) * 6553601) >> 16;
    digits = ((digits & 0x0000FFFF0000FFFFULL) * 42949672960001ULL) >> 32;
    const double value = static_cast<double>(digits) / kPowersOfTen[decimals];
    // The sign bit set without a branch: minus signs come at random.
    out = std::bit_cast<double>(std::bit_cast<uint64_t>(value) | uint64_t{sign} << 63);
    return static_cast<int>(length);
}

// A plain decimal number (optional minus, digits, point, exponent) parsed
// whole; false for anything the platform's own readers must look at. Cells
// are read digit by digit: many repeat one pattern ("9999"), which a
// processor predicts better than it computes a word.
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

ItemReader::ItemReader(std::string contents) : ItemReader(CopyOf(contents), contents.size()) {}

ItemReader::ItemReader(Text text, size_t size, bool wholeFile) : text_(std::move(text)), size_(size) {
    if (wholeFile && size_ >= 3 && std::memcmp(text_.get(), "\xEF\xBB\xBF", 3) == 0) pos_ = 3;
}

// A text copied with the padding a mapped file has.
ItemReader::Text ItemReader::CopyOf(std::string_view contents) {
    Text text(new char[contents.size() + kPadding], Release{0});
    std::memcpy(text.get(), contents.data(), contents.size());
    std::memset(text.get() + contents.size(), 0, kPadding);
    return text;
}

void ItemReader::Release::operator()(char* text) const {
    if (!owned) return;
    if (mapped != 0) {
        munmap(text, mapped);
    } else {
        delete[] text;
    }
}

// The file read-only over a region of zeros: the kernel fills the rest of the
// file's last page with NULs and the region's further pages hold the rest of
// the padding. Nothing when the file cannot be mapped.
ItemReader::Text ItemReader::Map(int file, size_t size) {
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    const size_t length = (size + kPadding + page - 1) / page * page;
    void* region = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (region == MAP_FAILED) return Text(nullptr, Release{0});
    if (mmap(region, size, PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE, file, 0) == MAP_FAILED) {
        munmap(region, length);
        return Text(nullptr, Release{0});
    }
    return Text(static_cast<char*>(region), Release{length});
}

ItemReader ItemReader::Part(size_t from, size_t to) const {
    to = std::min(to, size_);
    from = std::min(from, to);
    return ItemReader(Text(text_.get() + from, Release{0, false}), to - from, false);
}

ItemReader ItemReader::Open(const std::string& path) {
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) throw forms::RuntimeError(forms::kErrFileNotFound, "File not found");
    struct stat status {};
    const bool regular = fstat(file, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0;
    Text text = regular ? Map(file, static_cast<size_t>(status.st_size)) : Text(nullptr, Release{0});
    close(file);
    if (text) return ItemReader(std::move(text), static_cast<size_t>(status.st_size));

    // Anything else is read as a stream, as far as it goes.
    std::ifstream in(path, std::ios::binary);
    std::string contents;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0) contents.append(block, static_cast<size_t>(in.gcount()));
    return ItemReader(std::move(contents));
}

bool ItemReader::AtEnd() {
    if (!itemFollows_) {
        // Pass over blank lines: blanks and tabs up to a line end.
        size_t p = pos_;
        while (p < size_) {
            char c = text_.get()[p];
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
    const char* data = text_.get();
    if (pos_ >= n && !itemFollows_) throw forms::RuntimeError(forms::kErrInputPastEnd, "Input past end of file");
    size_t p = pos_;
    while (p < n && IsBlank(data[p])) ++p;
    std::string_view item;
    if (p < n && data[p] == '"') {
        const void* close = std::memchr(data + p + 1, '"', n - p - 1);
        size_t q = close ? static_cast<size_t>(static_cast<const char*>(close) - data) : n;
        if (!close) quoteLeftOpen_ = true;
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

[[gnu::always_inline]] inline bool ItemReader::TryShortDecimal(double& value) {
    // At the end the general reader decides: a part of a file has no NULs after it.
    if (pos_ >= size_) return false;
    const char* data = text_.get();
    const int length = ParseWordDecimal(Word(data + pos_), value);
    const char* end = length >= 0 ? data + pos_ + length : ParseShortDecimal(data + pos_, data + size_, value);
    if (!end) return false;
    // The number must fill its item: a separator or the end of the file follows.
    const char c = *end;
    size_t p = static_cast<size_t>(end - data);
    if (c == ',') {
        pos_ = p + 1;
        itemFollows_ = true;
        return true;
    }
    if (c == '\n') {
        ++p;
    } else if (c == '\r') {
        p += 1 + (data[p + 1] == '\n');
    } else if (p != size_) {
        return false;  // more text: the general reader decides
    }
    pos_ = p;
    itemFollows_ = false;
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
    // A text that starts with a letter (a label) has no numeric part.
    const char c = text.empty() ? '\0' : text.front();
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return 0.0;
    return forms::Val(text);
}

double StrictNumber(std::string_view text) {
    double v;
    if (ParsePlain(text, v)) return v;
    return forms::CDbl(text);
}

}  // namespace model
