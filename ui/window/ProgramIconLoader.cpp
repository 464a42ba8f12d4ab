#include "ui/window/ProgramIconLoader.h"

#include <QImage>
#include <QPixmap>

#include "assets/IcoReader.h"
#include "assets/ProgramIcon.h"

namespace morvane {

namespace {

// Straight into the format pixmaps are kept in, so QPixmap::fromImage need not convert: the
// first conversion of the run costs more than the whole decoding. The mask makes every pixel
// fully opaque or fully transparent, so premultiplying only clears the transparent ones.
QImage toQImage(const IconImage& picture) {
    QImage image(picture.width, picture.height, QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < picture.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width; ++x) {
            const Rgba p = picture.pixel(x, y);
            line[x] = p.alpha == 0 ? 0 : qRgb(p.red, p.green, p.blue);
        }
    }
    return image;
}

}  // namespace

QIcon ProgramIconLoader::load() {
    // Decoded here rather than through Qt's image plugins: finding and loading the ICO plugin
    // costs more start-up time than the decoding itself.
    QIcon icon;
    for (const IconImage& picture : IcoReader::read(programIconIco())) {
        // The 16-colour pictures; the black-and-white one is for 2-colour displays.
        if (picture.bitsPerPixel == 4)
            icon.addPixmap(QPixmap::fromImage(toQImage(picture)));
    }
    return icon;
}

}  // namespace morvane
