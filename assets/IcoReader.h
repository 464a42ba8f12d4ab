#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "assets/IconImage.h"

namespace morvane {

// Decodes an .ico file of uncompressed palette pictures (1, 4 or 8 bits per pixel), each a
// bottom-up colour bitmap followed by its transparency mask, as the asset compiler writes
// them. Every field the decoding depends on is checked against the others, so a corrupt
// built-in icon fails loudly instead of showing garbage or reading past the data.
class IcoReader {
public:
    // The pictures in file order. Throws IcoFormatError naming the entry and the field.
    static std::vector<IconImage> read(std::span<const std::uint8_t> file);
};

}  // namespace morvane
