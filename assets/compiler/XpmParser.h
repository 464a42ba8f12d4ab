#pragma once

#include <string>

#include "assets/compiler/XpmImage.h"

namespace morvane {

// Reads XPM3 text as written by hand or by image editors, strictly: any deviation is an
// AssetError naming the file and line, so a typo in a picture never reaches the program.
class XpmParser {
public:
    static XpmImage parse(const std::string& text, const std::string& file);
    static XpmImage parseFile(const std::string& path);
};

}  // namespace morvane
