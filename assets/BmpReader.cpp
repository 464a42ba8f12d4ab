#include "assets/BmpReader.h"

#include <string>
#include <vector>

#include "assets/BmpFormatError.h"
#include "assets/LittleEndian.h"

namespace morvane {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::size_t kPixelOffset = kFileHeaderSize + kInfoHeaderSize;

using little_endian::u16At;
using little_endian::u32At;

void require(bool ok, const std::string& field, std::uint32_t found, std::uint32_t expected) {
    if (!ok) {
        throw BmpFormatError("bitmap " + field + " is " + std::to_string(found) + ", expected " +
                             std::to_string(expected));
    }
}

void requireEqual(const std::string& field, std::uint32_t found, std::uint32_t expected) {
    require(found == expected, field, found, expected);
}

}  // namespace

TileImage BmpReader::read(std::span<const std::uint8_t> file) {
    if (file.size() < kPixelOffset) {
        throw BmpFormatError("bitmap truncated: " + std::to_string(file.size()) +
                             " bytes is shorter than its " + std::to_string(kPixelOffset) +
                             "-byte headers");
    }
    if (file[0] != 'B' || file[1] != 'M')
        throw BmpFormatError("bitmap magic is not \"BM\"");
    requireEqual("file size field", u32At(file, 2), static_cast<std::uint32_t>(file.size()));
    requireEqual("first reserved word", u16At(file, 6), 0);
    requireEqual("second reserved word", u16At(file, 8), 0);
    requireEqual("pixel data offset", u32At(file, 10), kPixelOffset);

    requireEqual("information header size", u32At(file, 14), kInfoHeaderSize);
    // Signed fields: a negative height would mean top-down rows, which the artwork never uses.
    const auto width = static_cast<std::int32_t>(u32At(file, 18));
    const auto height = static_cast<std::int32_t>(u32At(file, 22));
    if (width < 1 || width > kMaxDimension) {
        throw BmpFormatError("bitmap width " + std::to_string(width) + " is outside 1.." +
                             std::to_string(kMaxDimension));
    }
    if (height < 1 || height > kMaxDimension) {
        throw BmpFormatError("bitmap height " + std::to_string(height) + " is outside 1.." +
                             std::to_string(kMaxDimension) + " (rows must be stored bottom-up)");
    }
    requireEqual("plane count", u16At(file, 26), 1);
    requireEqual("bit depth (bits per pixel)", u16At(file, 28), 24);
    requireEqual("compression", u32At(file, 30), 0);
    const auto rowSize = static_cast<std::uint32_t>((width * 3 + 3) / 4 * 4);
    const std::uint32_t imageSize = rowSize * static_cast<std::uint32_t>(height);
    requireEqual("image size field", u32At(file, 34), imageSize);
    requireEqual("horizontal resolution", u32At(file, 38), 0);
    requireEqual("vertical resolution", u32At(file, 42), 0);
    requireEqual("colours used", u32At(file, 46), 0);
    requireEqual("important colours", u32At(file, 50), 0);
    // The file size field already matched the data, so a mismatch here means the pixel rows
    // are cut short or followed by junk.
    if (file.size() != kPixelOffset + imageSize) {
        throw BmpFormatError(std::string("bitmap ") +
                             (file.size() < kPixelOffset + imageSize ? "truncated" : "too long") +
                             ": " + std::to_string(file.size()) + " bytes, pixel rows need " +
                             std::to_string(kPixelOffset + imageSize));
    }

    std::vector<Rgb> pixels(static_cast<std::size_t>(width * height));
    for (int y = 0; y < height; ++y) {
        const std::size_t row = kPixelOffset + static_cast<std::size_t>(height - 1 - y) * rowSize;
        for (int x = 0; x < width; ++x) {
            const std::size_t at = row + static_cast<std::size_t>(x) * 3;
            pixels[static_cast<std::size_t>(y * width + x)] = {file[at + 2], file[at + 1],
                                                               file[at]};
        }
        for (std::size_t pad = static_cast<std::size_t>(width) * 3; pad < rowSize; ++pad) {
            if (file[row + pad] != 0)
                throw BmpFormatError("bitmap row padding is not zero");
        }
    }
    return TileImage(width, height, std::move(pixels));
}

}  // namespace morvane
