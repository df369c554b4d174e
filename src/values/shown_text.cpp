#include "values/shown_text.h"

#include <algorithm>

namespace values {
namespace {

// Code page 1252 from 0x80 to 0x9F; its five unassigned bytes keep their
// control characters, as Windows maps them. From 0xA0 up it is Latin-1.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool HasHighByte(std::string_view s) {
    return std::any_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
}

}  // namespace

bool IsUtf8(std::string_view s) {
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(s[i]); };
    for (size_t i = 0; i < s.size();) {
        const unsigned char lead = byte(i);
        size_t length = 1;
        // The second byte's range rules out overlong forms, surrogates and
        // code points beyond U+10FFFF.
        unsigned char low = 0x80, high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (i + length > s.size() || byte(i + 1) < low || byte(i + 1) > high) return false;
        for (size_t k = 2; k < length; ++k)
            if ((byte(i + k) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

std::string Utf8FromWindows1252(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 2);
    for (const char c : s) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
            continue;
        }
        const char16_t u = b < 0xA0 ? kWindows1252High[b - 0x80] : char16_t{b};
        if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        }
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
    return out;
}

std::string ShownUtf8(std::string_view s) { return IsUtf8(s) ? std::string(s) : Utf8FromWindows1252(s); }

long ShownCharacters(std::string_view s) {
    if (!IsUtf8(s)) return static_cast<long>(s.size());
    return static_cast<long>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool SameShownText(std::string_view a, std::string_view b) {
    if (a == b) return true;
    // Texts that differ show alike only when one is UTF-8 and the other is
    // not, which takes a byte beyond ASCII.
    if (!HasHighByte(a) && !HasHighByte(b)) return false;
    const bool utf8A = IsUtf8(a), utf8B = IsUtf8(b);
    if (utf8A == utf8B) return false;
    return utf8A ? Utf8FromWindows1252(b) == a : Utf8FromWindows1252(a) == b;
}

}  // namespace values
