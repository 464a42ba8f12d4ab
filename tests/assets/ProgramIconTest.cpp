#include <gmock/gmock.h>

#include <algorithm>
#include <array>

#include "assets/IcoReader.h"
#include "assets/ProgramIcon.h"
#include "tests/assets/ArtworkTestSupport.h"

namespace morvane::test {
namespace {

using ::testing::UnorderedElementsAreArray;

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
constexpr Rgb kCyan{0, 255, 255};

TEST(ProgramIconTest, ThreeWellFormedPicturesInTheirPalettesWithTransparentSurroundings) {
    const std::vector<IconImage> pictures = IcoReader::read(programIconIco());
    ASSERT_EQ(pictures.size(), 3u);

    const std::array<std::pair<int, int>, 3> expected = {{{32, 1}, {32, 4}, {16, 4}}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE("icon entry " + std::to_string(i));
        const auto [size, bpp] = expected[i];
        const IconImage& picture = pictures[i];
        ASSERT_EQ(picture.width, size);
        ASSERT_EQ(picture.height, size);
        EXPECT_EQ(picture.bitsPerPixel, bpp);
        EXPECT_EQ(picture.palette, bpp == 1 ? kMonochrome : kVga16);

        std::vector<Rgb> shown;
        std::vector<Rgb> distinct;
        int cyanTop = size;
        int cyanBottom = -1;
        int cyanTopLeft = size;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const Rgba p = picture.pixel(x, y);
                if (p.alpha == 0) {
                    // Black under the mask leaves the screen unchanged rather than inverting it.
                    EXPECT_EQ(p, (Rgba{0, 0, 0, 0})) << "transparent pixel " << x << "," << y;
                    continue;
                }
                ASSERT_EQ(p.alpha, 255) << "pixel " << x << "," << y;
                const Rgb colour{p.red, p.green, p.blue};
                shown.push_back(colour);
                if (std::find(distinct.begin(), distinct.end(), colour) == distinct.end())
                    distinct.push_back(colour);
                if (colour == kCyan) {
                    if (y < cyanTop)
                        cyanTopLeft = x;
                    cyanTop = std::min(cyanTop, y);
                    cyanBottom = std::max(cyanBottom, y);
                }
            }
        }
        EXPECT_LT(shown.size(), static_cast<std::size_t>(size * size)) << "some transparency";
        // The slanting window leaves the top right and bottom left corners clear.
        EXPECT_EQ(picture.pixel(size - 1, 0).alpha, 0) << "top right corner";
        EXPECT_EQ(picture.pixel(0, size - 1).alpha, 0) << "bottom left corner";
        EXPECT_THAT(distinct, UnorderedElementsAreArray(bpp == 1 ? kMonochrome : kMotif))
            << "exactly the motif's colours";
        if (bpp == 4) {
            // The title band runs along the top of the window and rises from its left edge,
            // so rows or columns read in the wrong order would move it.
            ASSERT_GE(cyanBottom, 0) << "cyan title band";
            EXPECT_LT(cyanBottom, size / 2);
            EXPECT_LT(cyanTopLeft, size / 2);
        }
    }
}

TEST(ProgramIconTest, PicturesFollowTheDirectoryWithoutGapsAndEndTheFile) {
    const std::span<const std::uint8_t> ico = programIconIco();
    ASSERT_GE(ico.size(), 6u + 3 * 16);
    ASSERT_EQ(u16At(ico, 4), 3u);
    std::uint32_t nextOffset = 6 + 3 * 16;
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE("icon entry " + std::to_string(i));
        const std::size_t e = 6 + 16 * i;
        EXPECT_EQ(u32At(ico, e + 12), nextOffset);
        nextOffset = u32At(ico, e + 12) + u32At(ico, e + 8);
    }
    EXPECT_EQ(nextOffset, ico.size()) << "the last picture ends the file";
}

}  // namespace
}  // namespace morvane::test
