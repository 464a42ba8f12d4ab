#include "assets/compiler/IcoWriter.h"

#include <algorithm>

#include "assets/compiler/AssetError.h"
#include "assets/compiler/ByteWriter.h"
#include "assets/compiler/Palettes.h"

namespace morvane {
namespace {

std::uint32_t rowBytes(int width, int bitsPerPixel) {
    return (static_cast<std::uint32_t>(width * bitsPerPixel) + 31) / 32 * 4;
}

std::uint32_t dibSize(const IconPicture& p) {
    const auto height = static_cast<std::uint32_t>(p.image->height);
    const std::uint32_t paletteSize = 4u << p.bitsPerPixel;
    return 40 + paletteSize +
           (rowBytes(p.image->width, p.bitsPerPixel) + rowBytes(p.image->width, 1)) * height;
}

std::uint32_t paletteIndex(const XpmImage& image, const XpmColour& c, int bitsPerPixel) {
    // Transparent pixels are black in the colour bitmap so that the screen shows through
    // unchanged where the mask is set.
    if (c.transparent)
        return 0;
    const auto palette = palettes::forIconDepth(bitsPerPixel);
    const auto found = std::find(palette.begin(), palette.end(), c);
    if (found == palette.end()) {
        throw AssetError(image.file + ": colour outside the " + std::to_string(palette.size()) +
                         "-colour icon palette");
    }
    return static_cast<std::uint32_t>(found - palette.begin());
}

// Packs one bottom-up bitmap of `bits`-wide values, rows padded to 4 bytes.
void writePlane(ByteWriter& out, const XpmImage& image, int bits, auto valueAt) {
    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        std::uint32_t acc = 0;
        int filled = 0;
        for (int x = 0; x < image.width; ++x) {
            acc = (acc << bits) | valueAt(x, y);
            filled += bits;
            if (filled == 8) {
                out.u8(acc);
                acc = 0;
                filled = 0;
            }
        }
        if (filled > 0)
            out.u8(acc << (8 - filled));
        out.padTo4(rowStart);
    }
}

void writeDib(ByteWriter& out, const IconPicture& p) {
    const XpmImage& image = *p.image;
    const int bpp = p.bitsPerPixel;
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(image.width));
    out.u32(static_cast<std::uint32_t>(image.height * 2));  // colour bitmap + mask
    out.u16(1);
    out.u16(static_cast<std::uint32_t>(bpp));
    out.u32(0);
    out.u32((rowBytes(image.width, bpp) + rowBytes(image.width, 1)) *
            static_cast<std::uint32_t>(image.height));
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    for (const XpmColour& c : palettes::forIconDepth(bpp)) {
        out.u8(c.blue);
        out.u8(c.green);
        out.u8(c.red);
        out.u8(0);
    }
    writePlane(out, image, bpp,
               [&](int x, int y) { return paletteIndex(image, image.colourAt(x, y), bpp); });
    writePlane(out, image, 1,
               [&](int x, int y) { return image.colourAt(x, y).transparent ? 1u : 0u; });
}

}  // namespace

std::vector<std::uint8_t> IcoWriter::encode(const std::vector<IconPicture>& pictures) {
    ByteWriter out;
    out.u16(0);
    out.u16(1);  // icon, not cursor
    out.u16(static_cast<std::uint32_t>(pictures.size()));

    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(pictures.size());
    for (const IconPicture& p : pictures) {
        if (p.image->width > 255 || p.image->height > 255) {
            throw AssetError(p.image->file + ": icon pictures are at most 255 pixels");
        }
        out.u8(static_cast<std::uint32_t>(p.image->width));
        out.u8(static_cast<std::uint32_t>(p.image->height));
        out.u8(1u << p.bitsPerPixel);  // colour count
        out.u8(0);
        out.u16(1);
        out.u16(static_cast<std::uint32_t>(p.bitsPerPixel));
        out.u32(dibSize(p));
        out.u32(offset);
        offset += dibSize(p);
    }
    for (const IconPicture& p : pictures)
        writeDib(out, p);
    return out.take();
}

}  // namespace morvane
