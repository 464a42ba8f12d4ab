#include <algorithm>
#include <array>

#include "ArtworkTestSupport.h"
#include "ProgramIcon.h"

namespace morvane::testing {
namespace {

// clang-format off
const std::vector<Rgb> kMonochrome = {{0, 0, 0}, {255, 255, 255}};
const std::vector<Rgb> kVga16 = {
    {0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
    {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
    {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
    {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
// The colours of the motif: outline, window, title band, shading, shadow.
const std::vector<Rgb> kMotif = {
    {0, 0, 0}, {255, 255, 255}, {0, 255, 255}, {192, 192, 192}, {128, 128, 128}};
// clang-format on

std::uint32_t rowBytes(int width, int bits) {
    return (static_cast<std::uint32_t>(width * bits) + 31) / 32 * 4;
}

// The `bits`-wide value of pixel (x, y) of a bottom-up plane.
int valueAt(std::span<const std::uint8_t> plane, int bits, int size, int x, int y) {
    const std::size_t row = static_cast<std::size_t>(size - 1 - y) * rowBytes(size, bits);
    const std::size_t bit = static_cast<std::size_t>(x * bits);
    return (plane[row + bit / 8] >> (8 - bits - static_cast<int>(bit % 8))) & ((1 << bits) - 1);
}

TEST(ProgramIconTest, ThreeWellFormedPicturesInTheirPalettesWithTransparentSurroundings) {
    const std::span<const std::uint8_t> ico = programIconIco();
    ASSERT_GE(ico.size(), 6u + 3 * 16);
    EXPECT_EQ(u16At(ico, 0), 0u);
    EXPECT_EQ(u16At(ico, 2), 1u) << "type icon";
    ASSERT_EQ(u16At(ico, 4), 3u) << "picture count";

    const std::array<std::pair<int, int>, 3> expected = {{{32, 1}, {32, 4}, {16, 4}}};
    std::uint32_t nextOffset = 6 + 3 * 16;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE("icon entry " + std::to_string(i));
        const auto [size, bpp] = expected[i];
        const std::size_t e = 6 + 16 * i;
        ASSERT_EQ(ico[e], size) << "width";
        EXPECT_EQ(ico[e + 1], size) << "height";
        EXPECT_EQ(ico[e + 2], 1 << bpp) << "colour count";
        EXPECT_EQ(ico[e + 3], 0) << "reserved";
        EXPECT_EQ(u16At(ico, e + 4), 1u) << "planes";
        ASSERT_EQ(u16At(ico, e + 6), static_cast<std::uint32_t>(bpp)) << "bits per pixel";

        const std::uint32_t paletteBytes = 4u << bpp;
        const std::uint32_t xorBytes = rowBytes(size, bpp) * static_cast<std::uint32_t>(size);
        const std::uint32_t andBytes = rowBytes(size, 1) * static_cast<std::uint32_t>(size);
        const std::uint32_t bytes = 40 + paletteBytes + xorBytes + andBytes;
        ASSERT_EQ(u32At(ico, e + 8), bytes) << "picture size";
        ASSERT_EQ(u32At(ico, e + 12), nextOffset) << "pictures follow each other without gaps";
        ASSERT_LE(nextOffset + bytes, ico.size());

        const auto dib = ico.subspan(nextOffset, bytes);
        nextOffset += bytes;
        EXPECT_EQ(u32At(dib, 0), 40u) << "information header size";
        EXPECT_EQ(u32At(dib, 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(u32At(dib, 8), static_cast<std::uint32_t>(2 * size)) << "height covers the mask";
        EXPECT_EQ(u16At(dib, 12), 1u);
        EXPECT_EQ(u16At(dib, 14), static_cast<std::uint32_t>(bpp));
        EXPECT_EQ(u32At(dib, 16), 0u) << "compression";

        std::vector<Rgb> palette;
        for (std::size_t at = 40; at < 40 + paletteBytes; at += 4) {
            palette.push_back({dib[at + 2], dib[at + 1], dib[at]});
        }
        EXPECT_EQ(palette, bpp == 1 ? kMonochrome : kVga16);

        const auto xorPlane = dib.subspan(40 + paletteBytes, xorBytes);
        const auto andPlane = dib.subspan(40 + paletteBytes + xorBytes, andBytes);
        std::vector<Rgb> shown;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const int index = valueAt(xorPlane, bpp, size, x, y);
                if (valueAt(andPlane, 1, size, x, y) == 1) {
                    // Black under the mask leaves the screen unchanged rather than inverting it.
                    EXPECT_EQ(index, 0) << "transparent pixel " << x << "," << y;
                } else {
                    shown.push_back(palette[static_cast<std::size_t>(index)]);
                }
            }
        }
        EXPECT_LT(shown.size(), static_cast<std::size_t>(size * size)) << "some transparency";
        // The slanting window leaves the top right and bottom left corners clear.
        EXPECT_EQ(valueAt(andPlane, 1, size, size - 1, 0), 1) << "top right corner";
        EXPECT_EQ(valueAt(andPlane, 1, size, 0, size - 1), 1) << "bottom left corner";
        for (const Rgb& colour : bpp == 1 ? kMonochrome : kMotif) {
            EXPECT_NE(std::find(shown.begin(), shown.end(), colour), shown.end())
                << "motif colour " << int{colour.red} << "," << int{colour.green} << ","
                << int{colour.blue};
        }
    }
    EXPECT_EQ(nextOffset, ico.size()) << "the last picture ends the file";
}

}  // namespace
}  // namespace morvane::testing
