#include "assets/IcoReader.h"

#include <algorithm>
#include <string>
#include <utility>

#include "assets/IcoFormatError.h"
#include "assets/LittleEndian.h"

namespace morvane {
namespace {

using little_endian::u16At;
using little_endian::u32At;

constexpr std::size_t kDirectoryHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;

// What the directory says about one picture; the bitmap header must agree with it.
struct Entry {
    std::uint32_t width;
    std::uint32_t height;
    std::uint32_t colourCount;
    std::uint32_t bitsPerPixel;
    std::uint32_t bytes;
    std::uint32_t offset;
};

std::string entryName(std::size_t index) {
    return "icon entry " + std::to_string(index) + " ";
}

// Signed, so a negative (top-down) bitmap height reads as what it is.
void requireEqual(const std::string& where, const std::string& field, std::int64_t found,
                  std::int64_t expected) {
    if (found != expected) {
        throw IcoFormatError(where + field + " is " + std::to_string(found) + ", expected " +
                             std::to_string(expected));
    }
}

std::int64_t signedAt(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::int32_t>(u32At(b, at));
}

std::uint32_t rowBytes(std::uint32_t width, std::uint32_t bits) {
    return (width * bits + 31) / 32 * 4;
}

// The `bits`-wide value of pixel x in a packed row, the leftmost pixel in the high bits.
std::uint32_t valueAt(std::span<const std::uint8_t> row, std::uint32_t bits, std::uint32_t x) {
    const std::uint32_t bit = x * bits;
    return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
}

Entry readEntry(std::span<const std::uint8_t> file, std::size_t index) {
    const std::size_t at = kDirectoryHeaderSize + kEntrySize * index;
    const std::string where = entryName(index);
    requireEqual(where, "reserved byte", file[at + 3], 0);
    requireEqual(where, "plane count", u16At(file, at + 4), 1);
    // A stored size of 0 means 256 pixels.
    return {file[at] == 0 ? 256u : file[at],
            file[at + 1] == 0 ? 256u : file[at + 1],
            file[at + 2],
            u16At(file, at + 6),
            u32At(file, at + 8),
            u32At(file, at + 12)};
}

IconImage decodePicture(std::span<const std::uint8_t> dib, const Entry& entry,
                        const std::string& where) {
    if (dib.size() < kInfoHeaderSize) {
        throw IcoFormatError(where + "picture size " + std::to_string(dib.size()) +
                             " is shorter than its " + std::to_string(kInfoHeaderSize) +
                             "-byte information header");
    }
    requireEqual(where, "information header size", u32At(dib, 0), kInfoHeaderSize);
    requireEqual(where, "bitmap width", signedAt(dib, 4), entry.width);
    requireEqual(where, "bitmap height (colour bitmap and mask, bottom-up)", signedAt(dib, 8),
                 2 * static_cast<std::int64_t>(entry.height));
    requireEqual(where, "bitmap plane count", u16At(dib, 12), 1);
    const std::uint32_t bits = u16At(dib, 14);
    if (bits != 1 && bits != 4 && bits != 8) {
        throw IcoFormatError(where + "bit depth (bits per pixel) is " + std::to_string(bits) +
                             ", expected 1, 4 or 8");
    }
    requireEqual(where, "bit depth in the directory", entry.bitsPerPixel, bits);
    const std::uint32_t paletteSize = 1u << bits;
    // The directory byte cannot hold 256, so a full 8-bit palette is stored as 0.
    requireEqual(where, "colour count", entry.colourCount, paletteSize & 0xFF);
    requireEqual(where, "compression", u32At(dib, 16), 0);
    const std::uint32_t colourRow = rowBytes(entry.width, bits);
    const std::uint32_t maskRow = rowBytes(entry.width, 1);
    const std::uint32_t planeBytes = (colourRow + maskRow) * entry.height;
    requireEqual(where, "image size field", u32At(dib, 20), planeBytes);
    // A shorter palette would leave indices pointing past it.
    const std::uint32_t coloursUsed = u32At(dib, 32);
    if (coloursUsed != 0 && coloursUsed != paletteSize) {
        throw IcoFormatError(where + "colours used is " + std::to_string(coloursUsed) +
                             ", expected 0 or " + std::to_string(paletteSize));
    }
    const std::uint32_t paletteAt = kInfoHeaderSize;
    const std::uint32_t colourAt = paletteAt + 4 * paletteSize;
    const std::uint32_t maskAt = colourAt + colourRow * entry.height;
    // With the size exact, the palette, colour bitmap and mask all lie within the picture.
    requireEqual(where, "picture size", dib.size(), maskAt + maskRow * entry.height);

    IconImage image;
    image.width = static_cast<int>(entry.width);
    image.height = static_cast<int>(entry.height);
    image.bitsPerPixel = static_cast<int>(bits);
    image.palette.reserve(paletteSize);
    for (std::uint32_t i = 0; i < paletteSize; ++i) {
        const std::uint32_t at = paletteAt + 4 * i;
        image.palette.push_back({dib[at + 2], dib[at + 1], dib[at]});
    }
    image.pixels.reserve(static_cast<std::size_t>(entry.width) * entry.height);
    for (std::uint32_t y = 0; y < entry.height; ++y) {
        const std::uint32_t stored = entry.height - 1 - y;
        const auto colours = dib.subspan(colourAt + stored * colourRow, colourRow);
        const auto mask = dib.subspan(maskAt + stored * maskRow, maskRow);
        for (std::uint32_t x = 0; x < entry.width; ++x) {
            const Rgb c = image.palette[valueAt(colours, bits, x)];
            const bool transparent = valueAt(mask, 1, x) == 1;
            image.pixels.push_back(
                {c.red, c.green, c.blue, static_cast<std::uint8_t>(transparent ? 0 : 255)});
        }
    }
    return image;
}

// Pictures sharing bytes mean a corrupt directory, and would let a small file claim an
// unbounded amount of decoded pixels.
void requireNoOverlap(const std::vector<Entry>& entries) {
    std::vector<std::pair<std::uint64_t, std::size_t>> starts;  // (offset, entry index)
    for (std::size_t i = 0; i < entries.size(); ++i)
        starts.emplace_back(entries[i].offset, i);
    std::sort(starts.begin(), starts.end());
    for (std::size_t k = 1; k < starts.size(); ++k) {
        const Entry& before = entries[starts[k - 1].second];
        if (static_cast<std::uint64_t>(before.offset) + before.bytes > starts[k].first) {
            throw IcoFormatError(entryName(starts[k].second) + "picture at offset " +
                                 std::to_string(starts[k].first) + " overlaps entry " +
                                 std::to_string(starts[k - 1].second));
        }
    }
}

}  // namespace

std::vector<IconImage> IcoReader::read(std::span<const std::uint8_t> file) {
    if (file.size() < kDirectoryHeaderSize) {
        throw IcoFormatError("icon truncated: " + std::to_string(file.size()) +
                             " bytes is shorter than its " + std::to_string(kDirectoryHeaderSize) +
                             "-byte header");
    }
    requireEqual("icon ", "reserved word", u16At(file, 0), 0);
    requireEqual("icon ", "type (1 icon, 2 cursor)", u16At(file, 2), 1);
    const std::size_t count = u16At(file, 4);
    if (count == 0)
        throw IcoFormatError("icon picture count is 0");
    const std::size_t directoryEnd = kDirectoryHeaderSize + kEntrySize * count;
    if (file.size() < directoryEnd) {
        throw IcoFormatError("icon truncated: " + std::to_string(file.size()) +
                             " bytes is shorter than the directory of its " +
                             std::to_string(count) + " pictures (" + std::to_string(directoryEnd) +
                             " bytes)");
    }

    std::vector<Entry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const Entry entry = readEntry(file, i);
        if (entry.offset < directoryEnd || entry.offset > file.size()) {
            throw IcoFormatError(entryName(i) + "picture offset " + std::to_string(entry.offset) +
                                 " is outside " + std::to_string(directoryEnd) + ".." +
                                 std::to_string(file.size()) +
                                 " (after the directory, within the file)");
        }
        if (entry.bytes > file.size() - entry.offset) {
            throw IcoFormatError("icon truncated: " + entryName(i) + "picture at offset " +
                                 std::to_string(entry.offset) + " needs " +
                                 std::to_string(entry.bytes) + " bytes, the file ends after " +
                                 std::to_string(file.size() - entry.offset));
        }
        entries.push_back(entry);
    }
    requireNoOverlap(entries);

    std::vector<IconImage> images;
    images.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        images.push_back(decodePicture(file.subspan(entries[i].offset, entries[i].bytes),
                                       entries[i], entryName(i)));
    }
    return images;
}

}  // namespace morvane
