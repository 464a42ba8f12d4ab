#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

// Writes the C++ source that builds the tile bitmaps and the icon file into the program.
class SourceEmitter {
public:
    static std::string emit(const std::vector<std::vector<std::uint8_t>>& tileBitmaps,
                            const std::vector<std::uint8_t>& icon);
};

}  // namespace morvane
