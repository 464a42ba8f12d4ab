#include "assets/BuiltInBitmaps.h"
#include "tests/assets/ArtworkTestSupport.h"

namespace morvane::test {
namespace {

// The stored files are read byte by byte here rather than through BmpReader, so a reader
// that accepted a wrong field would not hide a wrong file.
TEST(BuiltInBitmapTest, EveryStoredFileHasTheExactBmpHeaders) {
    for (int i = 0; i < Tile::kCount; ++i) {
        const Tile tile = Tile::fromIndex(i);
        SCOPED_TRACE(tile.isBlank() ? std::string("blank") : describe(tile.character()));
        const std::span<const std::uint8_t> file = builtInTileBitmap(tile);
        const std::uint32_t side = tile.isBlank() ? 28 : 29;
        const std::uint32_t rowSize = tile.isBlank() ? 84 : 88;

        ASSERT_EQ(file.size(), tile.isBlank() ? 2406u : 2606u);
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(u32At(file, 2), file.size()) << "file size";
        EXPECT_EQ(u16At(file, 6), 0u) << "reserved";
        EXPECT_EQ(u16At(file, 8), 0u) << "reserved";
        EXPECT_EQ(u32At(file, 10), 54u) << "pixel data offset";
        EXPECT_EQ(u32At(file, 14), 40u) << "information header size";
        EXPECT_EQ(u32At(file, 18), side) << "width";
        EXPECT_EQ(u32At(file, 22), side) << "height (positive: bottom-up)";
        EXPECT_EQ(u16At(file, 26), 1u) << "planes";
        EXPECT_EQ(u16At(file, 28), 24u) << "bits per pixel";
        EXPECT_EQ(u32At(file, 30), 0u) << "compression";
        EXPECT_EQ(u32At(file, 34), rowSize * side) << "image size";
        EXPECT_EQ(u32At(file, 38), 0u) << "horizontal resolution";
        EXPECT_EQ(u32At(file, 42), 0u) << "vertical resolution";
        EXPECT_EQ(u32At(file, 46), 0u) << "colours used";
        EXPECT_EQ(u32At(file, 50), 0u) << "important colours";
        for (std::uint32_t row = 0; row < side; ++row) {
            for (std::uint32_t pad = side * 3; pad < rowSize; ++pad) {
                EXPECT_EQ(file[54 + row * rowSize + pad], 0) << "padding of stored row " << row;
            }
        }
    }
}

}  // namespace
}  // namespace morvane::test
