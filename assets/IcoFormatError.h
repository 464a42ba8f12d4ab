#pragma once

#include <stdexcept>

namespace morvane {

// An icon file that is not the uncompressed, palette-based form the program icon is stored in.
class IcoFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace morvane
