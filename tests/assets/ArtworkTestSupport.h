#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "assets/TileArtwork.h"

namespace morvane::test {

inline constexpr Rgb kNavy{0, 0, 128};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kNearWhite{255, 251, 240};
inline constexpr Rgb kPaleGreen{192, 220, 192};
inline constexpr Rgb kBlue{0, 0, 255};

inline constexpr int kGlyphSize = 29;

// Anything but the background counts as ink: white and both edge colours.
inline bool isInk(const TileImage& image, int x, int y) {
    return image.pixel(x, y) != kNavy;
}

using Pixel = std::pair<int, int>;  // (x, y)
using PixelSet = std::set<Pixel>;

inline PixelSet inkOf(const TileImage& image) {
    PixelSet ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isInk(image, x, y))
                ink.insert({x, y});
        }
    }
    return ink;
}

inline const TileImage& glyph(char c) {
    return TileArtwork::instance().imageOf(GlyphTile(c));
}

inline std::vector<char> allGlyphCharacters() {
    std::vector<char> characters;
    for (int i = 0; i < Tile::kGlyphCount; ++i)
        characters.push_back(Tile::fromIndex(i).character());
    return characters;
}

inline std::string describe(char c) {
    if (c >= 'A' && c <= 'Z')
        return std::string("capital ") + c;
    if (c >= 'a' && c <= 'z')
        return std::string("small ") + c;
    return std::string("digit ") + c;
}

// The picture as text ('#' ink, '.' background) so a failing comparison shows the glyph.
inline std::string drawing(const PixelSet& ink) {
    std::string text = "\n";
    for (int y = 0; y < kGlyphSize; ++y) {
        for (int x = 0; x < kGlyphSize; ++x)
            text += ink.contains({x, y}) ? '#' : '.';
        text += '\n';
    }
    return text;
}

inline std::uint32_t u16At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

inline std::uint32_t u32At(std::span<const std::uint8_t> b, std::size_t at) {
    return u16At(b, at) | (u16At(b, at + 2) << 16);
}

inline void putU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace morvane::test
