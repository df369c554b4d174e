// What a picture file's header says before anything is decoded: its size,
// whether it was cut short, and whether it may be decoded at all. Both back
// ends refuse the same files.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "forms/headless.h"
#include "forms/picture_file.h"
#include "values/runtime_error.h"

using namespace forms;
using namespace values;

namespace {

using Bytes = std::vector<unsigned char>;

std::string Write(const std::string& name, const Bytes& bytes) {
    std::string path = ::testing::TempDir() + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return path;
}

// A BMP header of 24 bits a pixel; rows of pixel data follow at byte 54.
Bytes Bmp(int32_t width, int32_t height, size_t pixelBytes) {
    Bytes b(54 + pixelBytes, 0);
    b[0] = 'B';
    b[1] = 'M';
    b[10] = 54;
    auto le32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<unsigned char>(v >> (8 * i));
    };
    le32(14, 40);
    le32(18, static_cast<uint32_t>(width));
    le32(22, static_cast<uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    return b;
}

const Bytes kJpegStart = {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x0B, 0x08, 0x75, 0x30, 0x01, 0xF4, 0x01, 0x01, 0x11, 0x00};
const Bytes kScan = {0xFF, 0xDA, 0x00, 0x08, 0x01, 0x01, 0x00, 0x00, 0x3F, 0x00, 0x12, 0xFF, 0x00, 0x34, 0xFF, 0xD3, 0x56};
const Bytes kEnd = {0xFF, 0xD9};

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

TEST(PictureFile, ReadsJpegAndBmpSizesAndRefusesOthers) {
    int w = 0, h = 0;
    Bytes topDown = Bmp(456, -100, 0);
    ASSERT_TRUE(ReadPictureSize(Write("p.bmp", topDown), w, h));
    EXPECT_EQ(w, 456);
    EXPECT_EQ(h, 100);
    ASSERT_TRUE(ReadPictureSize(Write("p.jpg", Join({kJpegStart, kScan, kEnd})), w, h));
    EXPECT_EQ(w, 500);
    EXPECT_EQ(h, 30000);
    EXPECT_FALSE(ReadPictureSize(Write("notes.jpg", {'n', 'o', 't', 'e', 's'}), w, h));
    EXPECT_FALSE(ReadPictureSize(Write("lowest.bmp", Bmp(10, INT32_MIN, 0)), w, h));
    EXPECT_FALSE(ReadPictureSize(Write("empty.jpg", {}), w, h));
}

TEST(PictureFile, AJpegWithoutItsEndAfterTheLastScanWasCutShort) {
    EXPECT_FALSE(PictureCutShort(Write("whole.jpg", Join({kJpegStart, kScan, kEnd}))));
    // Padding after the end marker, as some cameras write, is no cut.
    EXPECT_FALSE(PictureCutShort(Write("padded.jpg", Join({kJpegStart, kScan, kEnd, Bytes(70000, 0)}))));
    EXPECT_TRUE(PictureCutShort(Write("cut.jpg", Join({kJpegStart, kScan}))));
    // The end marker of an embedded thumbnail, before the picture's own scan,
    // does not count; nor does a scan longer than one read of the check.
    Bytes withThumbnail = kJpegStart;
    const Bytes thumbnail = {0xFF, 0xE1, 0x00, 0x06, 0xFF, 0xD8, 0xFF, 0xD9};
    withThumbnail.insert(withThumbnail.begin() + 2, thumbnail.begin(), thumbnail.end());
    EXPECT_TRUE(PictureCutShort(Write("thumb.jpg", Join({withThumbnail, kScan, Bytes(200000, 0x55)}))));
    EXPECT_FALSE(PictureCutShort(Write("long.jpg", Join({kJpegStart, kScan, Bytes(200000, 0x55), kEnd}))));
}

TEST(PictureFile, ABmpShorterThanItsRowsWasCutShort) {
    // 5 pixels of 3 bytes: rows of 16 bytes with their padding, 3 rows.
    EXPECT_FALSE(PictureCutShort(Write("whole.bmp", Bmp(5, 3, 48))));
    EXPECT_TRUE(PictureCutShort(Write("cut.bmp", Bmp(5, 3, 47))));
    EXPECT_FALSE(PictureCutShort(Write("notes.bmp", {'n', 'o'})));
    // The largest sizes a header can declare.
    EXPECT_TRUE(PictureCutShort(Write("largest.bmp", Bmp(0x7FFFFFFF, -0x7FFFFFFF, 8))));
    EXPECT_FALSE(WithinPictureLimit(0x7FFFFFFF, 0x7FFFFFFF));
}

TEST(PictureFile, TheHeadlessLoaderRefusesWhatCannotBeDecoded) {
    HeadlessServices s;
    auto number = [&](const std::string& path) {
        try {
            s.LoadPicture(path);
        } catch (const RuntimeError& e) {
            return e.number();
        }
        return 0;
    };
    EXPECT_EQ(number(::testing::TempDir() + "/missing.jpg"), kErrFileNotFound);
    EXPECT_EQ(number(Write("text.jpg", {'n', 'o', 't', 'e', 's'})), kErrInvalidPicture);
    EXPECT_EQ(number(Write("nothing.jpg", {})), kErrInvalidPicture);
    EXPECT_EQ(number(Write("short.jpg", Join({kJpegStart, kScan}))), kErrInvalidPicture);
    // A few bytes that declare 100,000 x 100,000 pixels: 40 GB decoded.
    EXPECT_FALSE(WithinPictureLimit(100000, 100000));
    EXPECT_EQ(number(Write("huge.bmp", Bmp(100000, 100000, 0))), kErrInvalidPicture);
    EXPECT_TRUE(WithinPictureLimit(30000, 2000));
    auto core = s.LoadPicture(Write("core.jpg", Join({kJpegStart, kScan, kEnd})));
    EXPECT_EQ(core->widthPx, 500);
    EXPECT_EQ(core->heightPx, 30000);
}

}  // namespace
