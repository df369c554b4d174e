// What is read of a picture file before decoding (its declared size, whether
// it was cut short) and the headless loader on any bytes: no fault, and a
// size is only ever given positive.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "forms/headless.h"
#include "forms/picture_file.h"
#include "values/runtime_error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/quillory-fuzz-picture-" + std::to_string(getpid());
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    int w = 0, h = 0;
    if (forms::ReadPictureSize(path, w, h) && (w <= 0 || h <= 0)) std::abort();
    (void)forms::PictureCutShort(path);
    forms::HeadlessServices services;
    try {
        auto picture = services.LoadPicture(path);
        if (picture->widthPx <= 0 || picture->heightPx <= 0 ||
            !forms::WithinPictureLimit(picture->widthPx, picture->heightPx))
            std::abort();
    } catch (const values::RuntimeError& e) {
        if (e.number() != values::kErrInvalidPicture) std::abort();
    }
    return 0;
}
