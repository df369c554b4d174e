#include "qt/picture_loader.h"

#include <QFileInfo>
#include <QImageReader>

#include "forms/runtime_error.h"
#include "qt/qt_units.h"

namespace qtback {

std::shared_ptr<const forms::LoadedPicture> LoadPictureFile(const std::string& path) {
    QString file = ToQString(path);
    if (!QFileInfo(file).isFile()) throw forms::RuntimeError(forms::kErrFileNotFound, "File not found");
    if (QImageReader::allocationLimit() < kImageAllocationLimitMb)
        QImageReader::setAllocationLimit(kImageAllocationLimitMb);
    QImageReader reader(file);
    auto picture = std::make_shared<QtPicture>();
    if (!reader.read(&picture->image)) throw forms::RuntimeError(481, "Invalid picture");
    picture->widthPx = picture->image.width();
    picture->heightPx = picture->image.height();
    picture->path = path;
    return picture;
}

}  // namespace qtback
