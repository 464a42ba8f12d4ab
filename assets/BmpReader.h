#pragma once

#include <cstdint>
#include <span>

#include "assets/TileArtwork.h"

namespace morvane {

// Decodes the one bitmap form the tile pictures are stored in: a 24-bit, uncompressed,
// bottom-up BMP with a 40-byte information header and nothing else. Every header field is
// checked, so corrupt built-in data fails loudly instead of showing garbage.
class BmpReader {
public:
    static constexpr int kMaxDimension = 1024;

    // Throws BmpFormatError naming the first field or part that is wrong.
    static TileImage read(std::span<const std::uint8_t> file);
};

}  // namespace morvane
