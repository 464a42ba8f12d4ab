#pragma once

#include <QPixmap>
#include <array>

#include "core/Tile.h"

namespace morvane {

// The 63 tile pictures as pixmaps, made once when the window is built. Holders refer to
// these; moving a tile only changes which one a holder points at.
class TilePixmaps {
public:
    TilePixmaps();

    const QPixmap& of(Tile tile) const { return pixmaps_[static_cast<std::size_t>(tile.index())]; }

private:
    std::array<QPixmap, Tile::kCount> pixmaps_;
};

}  // namespace morvane
