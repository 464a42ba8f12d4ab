#pragma once

#include <cstdint>
#include <span>

namespace morvane::little_endian {

// Fields of Windows bitmap and icon headers. The caller has checked that `at` and the
// bytes after it lie within `b`.
inline std::uint32_t u16At(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}

inline std::uint32_t u32At(std::span<const std::uint8_t> b, std::size_t at) {
    return u16At(b, at) | (u16At(b, at + 2) << 16);
}

}  // namespace morvane::little_endian
