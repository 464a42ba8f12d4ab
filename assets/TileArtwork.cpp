#include "assets/TileArtwork.h"

#include "assets/BmpReader.h"
#include "assets/BuiltInBitmaps.h"

namespace morvane {

const TileArtwork& TileArtwork::instance() {
    static const TileArtwork artwork;
    return artwork;
}

TileArtwork::TileArtwork() {
    images_.reserve(Tile::kCount);
    for (int i = 0; i < Tile::kCount; ++i) {
        images_.push_back(BmpReader::read(builtInTileBitmap(Tile::fromIndex(i))));
    }
}

}  // namespace morvane
