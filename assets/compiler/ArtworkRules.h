#pragma once

#include "assets/compiler/XpmImage.h"

namespace morvane {

// What each kind of source must be before it is built into the program; violations are
// AssetErrors pointing at the offending line.
class ArtworkRules {
public:
    static void checkGlyph(const XpmImage& image);
    static void checkBlank(const XpmImage& image);
    static void checkIcon(const XpmImage& image, int size, int bitsPerPixel);
    // The array name must match the file name, which catches a picture copied under the
    // wrong name.
    static void checkName(const XpmImage& image, const std::string& expected);
};

}  // namespace morvane
