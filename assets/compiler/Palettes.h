#pragma once

#include <array>
#include <span>

#include "assets/compiler/XpmImage.h"

namespace morvane::palettes {

constexpr XpmColour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return {r, g, b, false};
}

// Glyph background, ink, and the two edge inks that anti-aliased artwork may carry.
inline constexpr std::array<XpmColour, 4> kGlyph = {rgb(0, 0, 128), rgb(255, 255, 255),
                                                    rgb(255, 251, 240), rgb(192, 220, 192)};
inline constexpr std::array<XpmColour, 1> kBlank = {rgb(0, 0, 255)};

inline constexpr std::array<XpmColour, 2> kMonochrome = {rgb(0, 0, 0), rgb(255, 255, 255)};

// The standard 16-colour VGA palette in its usual order, so icon indices mean the same
// colours on every system.
inline constexpr std::array<XpmColour, 16> kVga16 = {
    rgb(0, 0, 0),       rgb(128, 0, 0),   rgb(0, 128, 0),   rgb(128, 128, 0),
    rgb(0, 0, 128),     rgb(128, 0, 128), rgb(0, 128, 128), rgb(192, 192, 192),
    rgb(128, 128, 128), rgb(255, 0, 0),   rgb(0, 255, 0),   rgb(255, 255, 0),
    rgb(0, 0, 255),     rgb(255, 0, 255), rgb(0, 255, 255), rgb(255, 255, 255)};

// The palette of an icon picture with `bitsPerPixel` 1 or 4.
inline std::span<const XpmColour> forIconDepth(int bitsPerPixel) {
    if (bitsPerPixel == 1)
        return kMonochrome;
    return kVga16;
}

}  // namespace morvane::palettes
