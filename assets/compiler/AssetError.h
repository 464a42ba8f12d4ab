#pragma once

#include <stdexcept>
#include <string>

namespace morvane {

// A source file that cannot be turned into artwork; the message starts with "file:line: ".
class AssetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;

    static AssetError at(const std::string& file, int line, const std::string& message) {
        return AssetError(file + ":" + std::to_string(line) + ": " + message);
    }
};

}  // namespace morvane
