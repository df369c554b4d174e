// The Qt picture loader the program shows photos with, on any bytes: a
// picture of positive size within the forms layer's limit, with its halvings
// each half the one before, or "Invalid picture"; nothing else.
// Pictures whose header claims more than 4 megapixels are left out: the
// time and memory they take are Qt's decoders' at work, not the loader's.
#include <unistd.h>

#include <QImage>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "forms/picture_file.h"
#include "qt/picture_loader.h"
#include "values/runtime_error.h"

namespace {

void Check(const std::string& path) {
    try {
        auto loaded = qtback::LoadPictureFile(path);
        const auto& picture = static_cast<const qtback::QtPicture&>(*loaded);
        if (picture.widthPx <= 0 || picture.heightPx <= 0 ||
            !forms::WithinPictureLimit(picture.widthPx, picture.heightPx) ||
            picture.image.width() != picture.widthPx || picture.image.height() != picture.heightPx)
            std::abort();
        const QImage* last = &picture.image;
        for (const QImage& halving : picture.halvings) {
            if (halving.width() != last->width() / 2 || halving.height() != last->height() / 2) std::abort();
            last = &halving;
        }
    } catch (const values::RuntimeError& e) {
        if (e.number() != values::kErrInvalidPicture) std::abort();
    }
}

}  // namespace

// Qt's image plugins are found and loaded once, before the fuzzing starts,
// so that what they keep for the process is not taken for a leak of one input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Check(std::string(QUILLORY_SOURCE_DIR) + "/examples/QL22_A_03_core_photo.jpg");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/quillory-fuzz-qt-picture-" + std::to_string(getpid());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    int w = 0, h = 0;
    if (forms::ReadPictureSize(path, w, h) && static_cast<long long>(w) * h > 4'000'000) return 0;
    Check(path);
    return 0;
}
