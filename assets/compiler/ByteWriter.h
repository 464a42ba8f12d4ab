#pragma once

#include <cstdint>
#include <vector>

namespace morvane {

// Appends the little-endian fields of Windows bitmap and icon headers.
class ByteWriter {
public:
    void u8(std::uint32_t v) { bytes_.push_back(static_cast<std::uint8_t>(v)); }
    void u16(std::uint32_t v) {
        u8(v & 0xFF);
        u8((v >> 8) & 0xFF);
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void padTo4(std::size_t rowStart) {
        while ((bytes_.size() - rowStart) % 4 != 0)
            u8(0);
    }

    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t> take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace morvane
