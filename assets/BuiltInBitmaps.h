#pragma once

#include <cstdint>
#include <span>

#include "core/Tile.h"

namespace morvane {

// The complete BMP file of a tile's picture, as built into the program from assets/tiles.
std::span<const std::uint8_t> builtInTileBitmap(Tile tile);

}  // namespace morvane
