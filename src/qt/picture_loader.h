#pragma once
// Loading pictures from files with Qt's image readers.
#include <QImage>
#include <memory>
#include <string>

#include "forms/services.h"

namespace qtback {

// A decoded picture whose pixels the Qt back end paints.
struct QtPicture : forms::LoadedPicture {
    QImage image;
};

// Qt refuses images above 256 MB by default; a core photograph of 30,000
// pixels in length is more than that, so the limit goes up once per process.
constexpr int kImageAllocationLimitMb = 2048;

// Throws RuntimeError 53 when the file is missing, 481 when it is not a
// picture Qt can read.
std::shared_ptr<const forms::LoadedPicture> LoadPictureFile(const std::string& path);

}  // namespace qtback
