#include "qt/picture_loader.h"

#include <QFile>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#include "forms/picture_file.h"
#include "values/regular_file.h"
#include "values/runtime_error.h"

namespace qtback {
namespace {

// Halvings stop once the picture's longer side would be shorter than this:
// no window shows a picture smaller.
constexpr int kSmallestHalving = 128;

[[noreturn]] void Invalid() { throw values::RuntimeError(values::kErrInvalidPicture, "Invalid picture"); }

// Painting is fastest from 32-bit pixels; JPEG decodes to them already.
QImage Paintable(QImage image) {
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied) return image;
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

std::vector<QImage> Halvings(const QImage& image) {
    std::vector<QImage> out;
    const QImage* last = &image;
    while (std::max(last->width(), last->height()) / 2 >= kSmallestHalving && std::min(last->width(), last->height()) >= 2) {
        out.push_back(last->scaled(last->width() / 2, last->height() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        last = &out.back();
    }
    return out;
}

}  // namespace

const QImage& QtPicture::ForReduction(double reduction) const {
    int level = reduction >= 2 ? static_cast<int>(std::floor(std::log2(reduction))) : 0;
    level = std::min(level, static_cast<int>(halvings.size()));
    return level == 0 ? image : halvings[level - 1];
}

std::shared_ptr<const forms::LoadedPicture> LoadPictureFile(const std::string& path) {
    // The file is opened by the path's bytes as the file system gave them: a
    // name that is no UTF-8 would not survive a QString. Qt reads what is
    // already open and tells the format from the contents.
    values::RegularFile opened(path);
    QFile file;
    if (!file.open(opened.Descriptor(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) Invalid();
    opened.Release();
    if (forms::PictureCutShort(path)) Invalid();
    // Qt's own default (256 MB) would refuse a long core photograph; the
    // forms layer's limit takes it and still bounds what a header may claim.
    QImageReader::setAllocationLimit(forms::kPictureAllocationLimitMb);
    QImageReader reader(&file);
    QImage decoded;
    if (!reader.read(&decoded) || decoded.isNull()) Invalid();
    if (!forms::WithinPictureLimit(decoded.width(), decoded.height())) Invalid();
    auto picture = std::make_shared<QtPicture>();
    picture->image = Paintable(std::move(decoded));
    picture->halvings = Halvings(picture->image);
    picture->widthPx = picture->image.width();
    picture->heightPx = picture->image.height();
    picture->path = path;
    return picture;
}

}  // namespace qtback
