#include <map>
#include <string>

#include "tests/assets/ArtworkTestSupport.h"

namespace morvane::test {
namespace {

TEST(TileArtworkTest, GlyphsAre29SquareInTheAllowedColours) {
    for (const char c : allGlyphCharacters()) {
        SCOPED_TRACE(describe(c));
        const TileImage& image = glyph(c);
        ASSERT_EQ(image.width(), 29);
        ASSERT_EQ(image.height(), 29);
        ASSERT_EQ(image.pixels().size(), 29u * 29u);
        for (int y = 0; y < 29; ++y) {
            for (int x = 0; x < 29; ++x) {
                const Rgb p = image.pixel(x, y);
                EXPECT_TRUE(p == kNavy || p == kWhite || p == kNearWhite || p == kPaleGreen)
                    << "pixel " << x << "," << y << " is " << int{p.red} << "," << int{p.green}
                    << "," << int{p.blue};
            }
        }
    }
}

// One pixel smaller than a glyph each way, so it leaves a column and a row of a 29x29
// holder showing the holder's background.
TEST(TileArtworkTest, BlankIs28SquareAndAllPureBlue) {
    const TileImage& blank = TileArtwork::instance().imageOf(BlankTile);
    ASSERT_EQ(blank.width(), 28);
    ASSERT_EQ(blank.height(), 28);
    for (const Rgb p : blank.pixels())
        ASSERT_EQ(p, kBlue);
}

TEST(TileArtworkTest, EveryTileGivesTheSamePictureObjectOnEveryCall) {
    const TileArtwork& artwork = TileArtwork::instance();
    EXPECT_EQ(&artwork, &TileArtwork::instance());
    for (int i = 0; i < Tile::kCount; ++i) {
        const Tile tile = Tile::fromIndex(i);
        EXPECT_EQ(&artwork.imageOf(tile), &artwork.imageOf(tile)) << "tile " << i;
        EXPECT_EQ(artwork.imageOf(tile).pixels().data(), artwork.imageOf(tile).pixels().data());
    }
}

// Also tells capital I, small l and digit 1 apart, and catches a picture stored under the
// wrong character.
TEST(TileArtworkTest, AllGlyphPicturesAreDistinct) {
    std::map<std::string, char> seen;  // the pixel bytes as the key
    for (const char c : allGlyphCharacters()) {
        const auto pixels = glyph(c).pixels();
        const auto* bytes = reinterpret_cast<const char*>(pixels.data());
        const auto [it, inserted] =
            seen.emplace(std::string(bytes, bytes + pixels.size_bytes()), c);
        EXPECT_TRUE(inserted) << describe(c) << " has the same picture as " << describe(it->second);
    }
}

TEST(TileImageTest, RejectsPixelCountThatDoesNotMatchTheSize) {
    EXPECT_THROW(TileImage(2, 2, std::vector<Rgb>(3)), std::invalid_argument);
    EXPECT_THROW(TileImage(0, 0, {}), std::invalid_argument);
}

}  // namespace
}  // namespace morvane::test
