#include "assets/compiler/BmpWriter.h"

#include "assets/compiler/AssetError.h"
#include "assets/compiler/ByteWriter.h"

namespace morvane {

std::vector<std::uint8_t> BmpWriter::encode(const XpmImage& image) {
    constexpr std::uint32_t kHeadersSize = 14 + 40;
    const auto width = static_cast<std::uint32_t>(image.width);
    const auto height = static_cast<std::uint32_t>(image.height);
    const std::uint32_t rowSize = (width * 3 + 3) / 4 * 4;
    const std::uint32_t imageSize = rowSize * height;

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(kHeadersSize + imageSize);
    out.u16(0);
    out.u16(0);
    out.u32(kHeadersSize);

    out.u32(40);
    out.u32(width);
    out.u32(height);  // positive: rows stored bottom-up
    out.u16(1);
    out.u16(24);
    out.u32(0);  // no compression
    out.u32(imageSize);
    out.u32(0);
    out.u32(0);
    out.u32(0);
    out.u32(0);

    for (int y = image.height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < image.width; ++x) {
            const XpmColour& c = image.colourAt(x, y);
            if (c.transparent) {
                throw AssetError(image.file + ": a bitmap picture cannot be transparent");
            }
            out.u8(c.blue);
            out.u8(c.green);
            out.u8(c.red);
        }
        out.padTo4(rowStart);
    }
    return out.take();
}

}  // namespace morvane
