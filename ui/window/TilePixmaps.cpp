#include "ui/window/TilePixmaps.h"

#include <QImage>
#include <utility>

#include "assets/TileArtwork.h"

namespace morvane {

TilePixmaps::TilePixmaps() {
    const TileArtwork& artwork = TileArtwork::instance();
    for (int index = 0; index < Tile::kCount; ++index) {
        const TileImage& picture = artwork.imageOf(Tile::fromIndex(index));
        // Written straight into the 32-bit form the screens take, so that the pixmap is made
        // without a conversion and drawn without one.
        QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < picture.width(); ++x) {
                const Rgb pixel = picture.pixel(x, y);
                line[x] = qRgb(pixel.red, pixel.green, pixel.blue);
            }
        }
        pixmaps_[static_cast<std::size_t>(index)] = QPixmap::fromImage(std::move(image));
    }
}

}  // namespace morvane
