#pragma once
// What can be told of a picture file without decoding it, the same for every
// back end: the natural size a JPEG or BMP header declares, whether the file
// ends before its picture does, and the memory a decoded picture may take.
#include <string>

namespace forms {

// A decoded picture may take at most this many megabytes (four bytes a
// pixel): 1 GiB holds 268 million pixels, a 1.5 m core at 20 pixels a
// millimetre many times over, while a small file whose header declares
// 100,000 x 100,000 pixels cannot claim 40 GB.
constexpr int kPictureAllocationLimitMb = 1024;

// Whether a picture of this size stays within the allocation limit.
bool WithinPictureLimit(long long widthPx, long long heightPx);

// Natural size of a JPEG or BMP file from its header; false when the file is
// not one of them or cannot be read.
bool ReadPictureSize(const std::string& path, int& widthPx, int& heightPx);

// A JPEG whose last scan has no end-of-image marker after it, or an
// uncompressed BMP shorter than its rows of pixels: the file was cut short.
// Decoders fill the missing part with grey instead of refusing it. False for
// every other file.
bool PictureCutShort(const std::string& path);

}  // namespace forms
