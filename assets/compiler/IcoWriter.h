#pragma once

#include <cstdint>
#include <vector>

#include "assets/compiler/XpmImage.h"

namespace morvane {

struct IconPicture {
    const XpmImage* image;
    int bitsPerPixel;  // 1 (black and white) or 4 (standard 16 colours)
};

// Encodes pictures as one .ico file: each a DIB with its palette, colour bitmap and
// transparency mask. Colours must already be checked against the depth's palette.
class IcoWriter {
public:
    static std::vector<std::uint8_t> encode(const std::vector<IconPicture>& pictures);
};

}  // namespace morvane
