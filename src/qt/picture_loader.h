#pragma once
// Loading pictures from files with Qt's image readers.
#include <QImage>
#include <memory>
#include <string>
#include <vector>

#include "forms/services.h"

namespace qtback {

// A decoded picture whose pixels the Qt back end paints. Every control that
// shows the picture shares this one decoding.
struct QtPicture : forms::LoadedPicture {
    QImage image;
    // The image halved again and again, made once at loading: a picture shown
    // much smaller than its natural size (a core photograph of 30,000 pixels
    // in a window of 500) is drawn from the halving nearest above the size it
    // is shown at, so it neither flickers with aliasing nor costs a scaling
    // of the whole picture at each paint.
    std::vector<QImage> halvings;
    // The image to draw when `reduction` natural pixels fall on one shown
    // pixel: the smallest halving still at least as large as what is shown.
    const QImage& ForReduction(double reduction) const;
};

// Throws values::RegularFile's 53 or 75 for a path that names no regular file
// it can open, 481 when it is not a picture Qt can read, was cut short, or
// would take more memory than the forms layer's picture limit.
std::shared_ptr<const forms::LoadedPicture> LoadPictureFile(const std::string& path);

}  // namespace qtback
