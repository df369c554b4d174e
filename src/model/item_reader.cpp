#include "model/item_reader.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>

#include "forms/runtime_error.h"
#include "forms/values.h"

namespace model {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSeparator(char c) { return c == ',' || c == '\n' || c == '\r'; }

// A plain decimal number (optional minus, digits, point, exponent) parsed
// whole; false for anything the platform's own readers must look at.
bool ParsePlain(std::string_view text, double& out) {
    if (text.empty()) return false;
    char c = text.front();
    if (!((c >= '0' && c <= '9') || c == '-' || c == '.')) return false;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && std::isfinite(out);
}

}  // namespace

ItemReader::ItemReader(std::string contents) : buffer_(std::move(contents)) {
    if (buffer_.size() >= 3 && std::memcmp(buffer_.data(), "\xEF\xBB\xBF", 3) == 0) pos_ = 3;
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
        while (p < buffer_.size()) {
            char c = buffer_[p];
            if (IsBlank(c)) {
                ++p;
            } else if (c == '\n' || c == '\r') {
                pos_ = ++p;
            } else {
                break;
            }
        }
        if (p >= buffer_.size()) pos_ = p;
    }
    return pos_ >= buffer_.size();
}

std::string_view ItemReader::Item() {
    const size_t n = buffer_.size();
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

double ItemReader::Number() { return StrictNumber(Item()); }

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
