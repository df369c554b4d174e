// quillory-generate-photos DIR: writes the two example core photographs,
// one upright and one lying: a 1.2 m section of 10 cm on a 30 cm scan tray,
// a pixel a millimetre.
#include <QDir>
#include <iostream>

#include "bench/core_photo.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: quillory-generate-photos DIR\n";
        return 2;
    }
    QDir dir(argv[1]);
    bool ok = bench::CorePhoto(1200, 300, 100, true, 22).save(dir.filePath("QL22_A_03_core_photo.jpg"), "JPG", 85) &&
              bench::CorePhoto(1200, 300, 100, false, 23).save(dir.filePath("QL22_B_03_core_photo_lying.jpg"), "JPG", 85);
    if (!ok) std::cerr << "cannot write into " << argv[1] << '\n';
    return ok ? 0 : 1;
}
