#include "ui/window/TilePixmaps.h"

#include <QImage>

#include "assets/TileArtwork.h"

namespace morvane {

TilePixmaps::TilePixmaps() {
    const TileArtwork& artwork = TileArtwork::instance();
    for (int index = 0; index < Tile::kCount; ++index) {
        const TileImage& image = artwork.imageOf(Tile::fromIndex(index));
        const QImage view(reinterpret_cast<const uchar*>(image.pixels().data()), image.width(),
                          image.height(), image.width() * 3, QImage::Format_RGB888);
        pixmaps_[static_cast<std::size_t>(index)] = QPixmap::fromImage(view.copy());
    }
}

}  // namespace morvane
