#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/Tile.h"

namespace morvane {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};
static_assert(sizeof(Rgb) == 3, "pixels are packed RGB888 rows");

// One immutable picture: width x height packed RGB pixels, rows from the top.
class TileImage {
public:
    TileImage(int width, int height, std::vector<Rgb> pixels);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgb pixel(int x, int y) const { return pixels_[static_cast<std::size_t>(y * width_ + x)]; }
    // Rows from the top, each `width() * 3` bytes, no padding: ready for an RGB888 image view.
    std::span<const Rgb> pixels() const { return pixels_; }

private:
    int width_;
    int height_;
    std::vector<Rgb> pixels_;
};

// The catalogue of the 63 tile pictures, decoded once from the bitmaps built into the program.
class TileArtwork {
public:
    static const TileArtwork& instance();

    // The same picture on every call, for each of the 63 tiles.
    const TileImage& imageOf(Tile tile) const {
        return images_[static_cast<std::size_t>(tile.index())];
    }

private:
    TileArtwork();
    std::vector<TileImage> images_;  // indexed by Tile::index()
};

}  // namespace morvane
