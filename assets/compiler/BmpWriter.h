#pragma once

#include <cstdint>
#include <vector>

#include "assets/compiler/XpmImage.h"

namespace morvane {

// Encodes an opaque picture as a complete 24-bit bottom-up BMP file.
class BmpWriter {
public:
    static std::vector<std::uint8_t> encode(const XpmImage& image);
};

}  // namespace morvane
