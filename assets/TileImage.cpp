#include <stdexcept>

#include "assets/TileArtwork.h"

namespace morvane {

TileImage::TileImage(int width, int height, std::vector<Rgb> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
    // pixel(x, y) indexes without checks, so the size must be right from the start.
    if (width < 1 || height < 1 ||
        pixels_.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height)) {
        throw std::invalid_argument("TileImage: pixel count does not match width x height");
    }
}

}  // namespace morvane
