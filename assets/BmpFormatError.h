#pragma once

#include <stdexcept>

namespace morvane {

// A bitmap file that is not the exact 24-bit uncompressed form the artwork is stored in.
class BmpFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace morvane
