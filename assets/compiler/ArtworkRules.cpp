#include "assets/compiler/ArtworkRules.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "assets/compiler/AssetError.h"
#include "assets/compiler/Palettes.h"

namespace morvane {
namespace {

std::string describe(const XpmColour& c) {
    if (c.transparent)
        return "None";
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", c.red, c.green, c.blue);
    return text;
}

void checkSize(const XpmImage& image, int width, int height) {
    if (image.width != width || image.height != height) {
        throw AssetError(image.file + ": picture is " + std::to_string(image.width) + "x" +
                         std::to_string(image.height) + ", must be " + std::to_string(width) + "x" +
                         std::to_string(height));
    }
}

void checkColours(const XpmImage& image, std::span<const XpmColour> allowed, bool transparency,
                  const std::string& what) {
    for (const XpmColourEntry& entry : image.colours) {
        const bool ok = entry.colour.transparent ? transparency
                                                 : std::find(allowed.begin(), allowed.end(),
                                                             entry.colour) != allowed.end();
        if (!ok) {
            std::string list;
            // Appended piecewise: GCC 12 flags `list += " " + ...` with a false -Wrestrict.
            for (const XpmColour& c : allowed) {
                list += ' ';
                list += describe(c);
            }
            if (transparency)
                list += " None";
            throw AssetError::at(image.file, entry.line,
                                 "colour " + describe(entry.colour) + " is not allowed in " + what +
                                     " (allowed:" + list + ")");
        }
    }
}

}  // namespace

void ArtworkRules::checkGlyph(const XpmImage& image) {
    checkSize(image, 29, 29);
    checkColours(image, palettes::kGlyph, false, "a glyph tile");
}

void ArtworkRules::checkBlank(const XpmImage& image) {
    checkSize(image, 28, 28);
    checkColours(image, palettes::kBlank, false, "the blank tile");
}

void ArtworkRules::checkIcon(const XpmImage& image, int size, int bitsPerPixel) {
    checkSize(image, size, size);
    checkColours(image, palettes::forIconDepth(bitsPerPixel), true,
                 "a " + std::to_string(1 << bitsPerPixel) + "-colour icon");
}

void ArtworkRules::checkName(const XpmImage& image, const std::string& expected) {
    if (image.name != expected) {
        throw AssetError(image.file + ": array is named '" + image.name + "', expected '" +
                         expected + "' after the file name");
    }
}

}  // namespace morvane
