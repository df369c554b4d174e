#include "forms/picture_file.h"

#include <cstdint>
#include <fstream>
#include <vector>

namespace forms {
namespace {

uint32_t Le16(const unsigned char* p) { return p[0] | (p[1] << 8); }
uint32_t Le32(const unsigned char* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// The first bytes of the file; fewer when it is shorter.
std::vector<unsigned char> Head(std::ifstream& in, size_t n) {
    std::vector<unsigned char> h(n);
    in.read(reinterpret_cast<char*>(h.data()), static_cast<std::streamsize>(n));
    h.resize(static_cast<size_t>(in.gcount()));
    return h;
}

bool IsBmp(const std::vector<unsigned char>& h) { return h.size() >= 2 && h[0] == 'B' && h[1] == 'M'; }
bool IsJpeg(const std::vector<unsigned char>& h) { return h.size() >= 2 && h[0] == 0xFF && h[1] == 0xD8; }

bool JpegSize(std::ifstream& in, int& widthPx, int& heightPx) {
    // Walk the segments to the first start-of-frame marker.
    in.clear();
    in.seekg(2);
    for (;;) {
        int c = in.get();
        if (c == EOF) return false;
        if (c != 0xFF) continue;
        int marker = in.get();
        while (marker == 0xFF) marker = in.get();
        if (marker == EOF) return false;
        if (marker == 0xD8 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;
        unsigned char len[2];
        if (!in.read(reinterpret_cast<char*>(len), 2)) return false;
        int length = (len[0] << 8) | len[1];
        if (length < 2) return false;
        bool sof = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (sof) {
            unsigned char f[5];
            if (!in.read(reinterpret_cast<char*>(f), 5)) return false;
            heightPx = (f[1] << 8) | f[2];
            widthPx = (f[3] << 8) | f[4];
            return widthPx > 0 && heightPx > 0;
        }
        in.seekg(length - 2, std::ios::cur);
    }
}

// Reading backwards from the end, the end-of-image marker (FF D9) must come
// before the start of the last scan (FF DA): neither occurs inside coded data.
bool JpegEndsEarly(std::ifstream& in) {
    in.clear();
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    constexpr std::streamoff kChunk = 1 << 16;
    std::vector<unsigned char> buf(kChunk + 1);
    int after = -1;  // the byte that followed the chunk read last
    for (std::streamoff end = size; end > 0;) {
        std::streamoff start = end > kChunk ? end - kChunk : 0;
        size_t n = static_cast<size_t>(end - start);
        in.seekg(start);
        if (!in.read(reinterpret_cast<char*>(buf.data()), static_cast<std::streamsize>(n))) return true;
        for (size_t i = n; i-- > 0;) {
            int next = i + 1 < n ? buf[i + 1] : after;
            if (buf[i] != 0xFF) continue;
            if (next == 0xD9) return false;
            if (next == 0xDA) return true;
        }
        after = buf[0];
        end = start;
    }
    return true;
}

// Rows of an uncompressed BMP (bitfields included) are padded to four bytes.
bool BmpEndsEarly(std::ifstream& in, const std::vector<unsigned char>& h) {
    if (h.size() < 34) return true;
    uint32_t compression = Le32(&h[30]);
    if (compression != 0 && compression != 3) return false;
    int64_t width = static_cast<int32_t>(Le32(&h[18]));
    int64_t height = static_cast<int32_t>(Le32(&h[22]));
    if (height < 0) height = -height;
    if (width <= 0 || height == 0) return false;
    // Width times bits a pixel stays below 2^47; the rows are counted by division.
    int64_t rowBytes = (width * Le16(&h[28]) + 31) / 32 * 4;
    in.clear();
    in.seekg(0, std::ios::end);
    const int64_t pixels = static_cast<int64_t>(in.tellg()) - static_cast<int64_t>(Le32(&h[10]));
    return rowBytes > 0 && pixels / rowBytes < height;
}

}  // namespace

bool WithinPictureLimit(long long widthPx, long long heightPx) {
    constexpr long long kPixels = static_cast<long long>(kPictureAllocationLimitMb) * 1024 * 1024 / 4;
    return widthPx > 0 && heightPx > 0 && widthPx <= kPixels / heightPx;
}

bool ReadPictureSize(const std::string& path, int& widthPx, int& heightPx) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    auto h = Head(in, 26);
    if (IsBmp(h)) {
        if (h.size() < 26) return false;
        widthPx = static_cast<int32_t>(Le32(&h[18]));
        int32_t hh = static_cast<int32_t>(Le32(&h[22]));
        if (hh == INT32_MIN) return false;  // a top-down height with no positive twin
        heightPx = hh < 0 ? -hh : hh;
        return widthPx > 0 && heightPx > 0;
    }
    if (IsJpeg(h)) return JpegSize(in, widthPx, heightPx);
    return false;
}

bool PictureCutShort(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    auto h = Head(in, 34);
    if (IsJpeg(h)) return JpegEndsEarly(in);
    if (IsBmp(h)) return BmpEndsEarly(in, h);
    return false;
}

}  // namespace forms
