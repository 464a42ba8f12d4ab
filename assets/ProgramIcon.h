#pragma once

#include <cstdint>
#include <span>

namespace morvane {

// The program icon as a complete .ico file, built in from assets/icon: 32x32 in black and
// white, 32x32 and 16x16 in the standard 16 colours.
std::span<const std::uint8_t> programIconIco();

}  // namespace morvane
