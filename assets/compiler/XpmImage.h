#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

struct XpmColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool transparent = false;  // "None"

    friend bool operator==(const XpmColour&, const XpmColour&) = default;
};

// One colour of the XPM colour table, with the line that defined it for error messages.
struct XpmColourEntry {
    std::string key;
    XpmColour colour;
    int line = 0;
};

// A parsed XPM picture: each pixel is an index into `colours`, rows from the top.
struct XpmImage {
    std::string file;
    std::string name;  // the C array name
    int width = 0;
    int height = 0;
    std::vector<XpmColourEntry> colours;
    std::vector<std::uint16_t> pixels;

    const XpmColour& colourAt(int x, int y) const {
        return colours[pixels[static_cast<std::size_t>(y * width + x)]].colour;
    }
};

}  // namespace morvane
