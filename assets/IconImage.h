#pragma once

#include <cstdint>
#include <vector>

#include "assets/TileArtwork.h"

namespace morvane {

struct Rgba {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t alpha;  // 0 where the mask leaves the screen showing, else 255
    friend constexpr bool operator==(Rgba, Rgba) = default;
};
static_assert(sizeof(Rgba) == 4, "pixels are packed RGBA8888 rows");

// One picture of an icon file, its colours looked up and its mask applied.
struct IconImage {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;      // 1, 4 or 8: how many colours the picture was drawn for
    std::vector<Rgb> palette;  // 2^bitsPerPixel colours, as stored
    // Rows from the top, each `width * 4` bytes, no padding: ready for an RGBA8888 image view.
    // Transparent pixels keep the colour the bitmap holds under the mask.
    std::vector<Rgba> pixels;

    Rgba pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

}  // namespace morvane
