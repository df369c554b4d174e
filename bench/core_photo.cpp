#include "bench/core_photo.h"

#include <QColor>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <random>
#include <stdexcept>
#include <vector>

namespace bench {
namespace {

// The colour of the sediment at each step along the core: light spring and
// dark winter layers of varying thickness, a light-grey tephra at 40 % and a
// dark crack at 70 % of the length.
std::vector<QRgb> DepthProfile(int lengthPx, std::mt19937& random) {
    std::vector<QRgb> profile(lengthPx);
    std::uniform_real_distribution<double> varve(0.004, 0.012), tone(-12, 12);
    const double scale = lengthPx;
    double next = 0;
    bool light = true;
    double shade = 0;
    for (int i = 0; i < lengthPx; ++i) {
        const double at = i / scale;
        if (i >= next) {
            light = !light;
            shade = tone(random);
            next = i + varve(random) * scale * (light ? 0.6 : 0.4);
        }
        int r = light ? 150 : 92, g = light ? 128 : 74, b = light ? 96 : 52;
        r += static_cast<int>(shade);
        g += static_cast<int>(shade);
        b += static_cast<int>(shade * 0.7);
        if (at > 0.40 && at < 0.42) r = g = b = 205;  // tephra
        if (at > 0.70 && at < 0.702) r = g = b = 30;  // crack
        profile[i] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
    }
    return profile;
}

}  // namespace

QImage CorePhoto(int lengthPx, int widthPx, int coreWidthPx, bool upright, unsigned seed) {
    std::mt19937 random(seed);
    const std::vector<QRgb> profile = DepthProfile(lengthPx, random);
    std::uniform_int_distribution<int> grain(-9, 9);
    const int w = upright ? widthPx : lengthPx, h = upright ? lengthPx : widthPx;
    QImage image(w, h, QImage::Format_RGB32);
    // The core lies in the middle of the scan tray, a ruler on the tray.
    const int coreFrom = (widthPx - coreWidthPx) / 2, coreTo = coreFrom + coreWidthPx;
    const int liner = std::max(2, coreWidthPx / 25);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int along = upright ? y : x, across = upright ? x : y;
            if (across < coreFrom || across >= coreTo) {
                const bool tick = across < coreFrom / 3 && along % 10 < 2 && (along % 100 < 2 || across < coreFrom / 6);
                line[x] = tick ? qRgb(235, 235, 225) : qRgb(88, 90, 94);
                continue;
            }
            if (across < coreFrom + liner || across >= coreTo - liner) {
                line[x] = qRgb(60, 62, 66);  // the liner
                continue;
            }
            const QRgb c = profile[along];
            const int n = grain(random);
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
    return image;
}

const std::string& LongCorePhotoPath() {
    static QTemporaryDir dir(QDir::tempPath() + "/quillory-bench-XXXXXX");
    static const std::string path = [] {
        QString file = dir.filePath("long_core.jpg");
        if (!CorePhoto(30000, 2000, 2000, false, 7).save(file, "JPG", 90)) throw std::runtime_error("cannot write the photo");
        return file.toStdString();
    }();
    return path;
}

}  // namespace bench
