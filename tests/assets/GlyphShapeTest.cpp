#include <algorithm>
#include <initializer_list>

#include "tests/assets/ArtworkTestSupport.h"

namespace morvane::test {
namespace {

struct Span {
    int x0, x1, y0, y1;  // inclusive columns x0-x1, rows y0-y1
};

PixelSet inkFrom(std::initializer_list<Span> spans) {
    PixelSet ink;
    for (const Span& s : spans) {
        for (int y = s.y0; y <= s.y1; ++y) {
            for (int x = s.x0; x <= s.x1; ++x)
                ink.insert({x, y});
        }
    }
    return ink;
}

struct ExactGlyph {
    char character;
    PixelSet ink;
};

// The straight-stroked characters are drawn to the pixel; everything else only has to keep
// its box and distinguishing features.
TEST(GlyphShapeTest, StraightStrokedGlyphsAreExactlyTheirStrokesInPureWhite) {
    // clang-format off
    const std::vector<ExactGlyph> glyphs = {
        {'E', inkFrom({{8, 10, 6, 22}, {8, 20, 6, 8}, {8, 19, 13, 15}, {8, 20, 20, 22}})},
        {'F', inkFrom({{8, 10, 6, 22}, {8, 19, 6, 8}, {8, 18, 13, 15}})},
        {'H', inkFrom({{8, 10, 6, 22}, {18, 20, 6, 22}, {8, 20, 13, 15}})},
        {'I', inkFrom({{12, 16, 6, 7}, {12, 16, 21, 22}, {13, 15, 8, 20}})},
        {'L', inkFrom({{9, 11, 6, 22}, {9, 20, 20, 22}})},
        {'T', inkFrom({{8, 20, 6, 8}, {13, 15, 9, 22}})},
        {'i', inkFrom({{13, 15, 6, 8}, {13, 15, 12, 22}})},
        {'j', inkFrom({{15, 17, 1, 3}, {15, 17, 7, 18}, {14, 17, 19, 19}, {12, 17, 20, 21},
                       {12, 16, 22, 22}})},
        {'l', inkFrom({{13, 15, 6, 22}})},
        {'1', inkFrom({{15, 17, 6, 6}, {14, 17, 7, 7}, {13, 17, 8, 8}, {12, 17, 9, 9},
                       {11, 17, 10, 10}, {11, 13, 11, 11}, {15, 17, 11, 11}, {11, 12, 12, 12},
                       {15, 17, 12, 12}, {15, 17, 13, 22}})},
    };
    // clang-format on
    for (const ExactGlyph& expected : glyphs) {
        SCOPED_TRACE(describe(expected.character));
        const TileImage& image = glyph(expected.character);
        const PixelSet ink = inkOf(image);
        EXPECT_EQ(ink, expected.ink)
            << "got:" << drawing(ink) << "expected:" << drawing(expected.ink);
        for (const auto& [x, y] : ink) {
            ASSERT_EQ(image.pixel(x, y), kWhite) << "edge colour at " << x << "," << y;
        }
    }
}

int inkIn(const TileImage& image, Span s) {
    int count = 0;
    for (int y = s.y0; y <= s.y1; ++y) {
        for (int x = s.x0; x <= s.x1; ++x)
            count += isInk(image, x, y) ? 1 : 0;
    }
    return count;
}

int inkCount(const TileImage& image, int y) {
    return inkIn(image, {0, 28, y, y});
}

int longestRun(const TileImage& image, int y) {
    int longest = 0;
    int run = 0;
    for (int x = 0; x < image.width(); ++x) {
        run = isInk(image, x, y) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// A horizontal bar shows as rows with one long run of ink, between rows whose strokes are at
// most a slanted stroke's width.
void expectBar(char c, int firstRow, int lastRow) {
    SCOPED_TRACE(describe(c));
    const TileImage& image = glyph(c);
    for (int y = firstRow; y <= lastRow; ++y) {
        EXPECT_GE(longestRun(image, y), 8) << "bar row " << y << drawing(inkOf(image));
    }
    EXPECT_LE(longestRun(image, firstRow - 1), 5) << "row above the bar " << drawing(inkOf(image));
    EXPECT_LE(longestRun(image, lastRow + 1), 5) << "row below the bar " << drawing(inkOf(image));
}

TEST(GlyphShapeTest, BarsOfSmallEAndDigitFourSitInTheirRows) {
    expectBar('e', 15, 16);
    expectBar('4', 17, 19);
}

TEST(GlyphShapeTest, CapitalGHasItsBar) {
    EXPECT_EQ(inkIn(glyph('G'), {15, 21, 14, 16}), 7 * 3) << drawing(inkOf(glyph('G')));
}

// The spur is one column wider than the stem above it.
TEST(GlyphShapeTest, SmallQHasASpurAtTheFootOfItsStem) {
    const TileImage& q = glyph('q');
    EXPECT_EQ(inkIn(q, {17, 20, 21, 22}), 4 * 2) << drawing(inkOf(q));
    for (int y = 18; y <= 20; ++y) {
        EXPECT_EQ(inkCount(q, y), 3) << "stem row " << y << drawing(inkOf(q));
        EXPECT_EQ(longestRun(q, y), 3) << "stem row " << y;
        EXPECT_EQ(inkIn(q, {0, 16, y, y}), 0) << "stem row " << y << " must lie in columns 17-20";
    }
}

TEST(GlyphShapeTest, SmallTHasItsCrossbarInRows10To12) {
    const TileImage& t = glyph('t');
    const int stem = inkCount(t, 15);
    for (int y = 10; y <= 12; ++y)
        EXPECT_GT(inkCount(t, y), stem) << "row " << y << drawing(inkOf(t));
    EXPECT_EQ(inkCount(t, 9), stem) << "stem just above the crossbar";
    EXPECT_EQ(inkCount(t, 13), stem) << "stem just below the crossbar";
}

// The middle vertex of M stops above the bottom row; the peak of W reaches the top row.
TEST(GlyphShapeTest, CapitalMVertexStopsAtRow20AndCapitalWPeakReachesRow6) {
    const TileImage& m = glyph('M');
    EXPECT_GT(inkIn(m, {9, 19, 20, 20}), 0) << "vertex reaches row 20" << drawing(inkOf(m));
    EXPECT_EQ(inkIn(m, {9, 19, 21, 22}), 0) << "only the outer stems in rows 21-22";
    EXPECT_EQ(inkIn(m, {6, 8, 6, 22}) + inkIn(m, {20, 22, 6, 22}), 2 * 3 * 17)
        << "vertical outer stems";

    const TileImage& w = glyph('W');
    EXPECT_GT(inkIn(w, {10, 18, 6, 6}), 0) << drawing(inkOf(w));
}

// Heights of the ink runs met going down one column, top first.
std::vector<int> columnRuns(const TileImage& image, int x) {
    std::vector<int> runs;
    for (int y = 0; y < image.height(); ++y) {
        if (!isInk(image, x, y))
            continue;
        if (y == 0 || !isInk(image, x, y - 1))
            runs.push_back(0);
        ++runs.back();
    }
    return runs;
}

// Curved letters are where a 2-pixel stroke slips in unnoticed: the boxes still match.
// Down the middle column every arc, bowl and bar is 3 pixels tall; only the bar of small e
// is 2. Three strokes in small a also make it two-storeyed.
TEST(GlyphShapeTest, StrokesThroughTheMiddleOfRoundGlyphsAreThreePixelsTall) {
    struct MiddleColumn {
        char character;
        int x;
        std::vector<int> runs;
    };
    // clang-format off
    const std::vector<MiddleColumn> columns = {
        {'a', 14, {3, 3, 3}}, {'b', 14, {3, 3}}, {'c', 14, {3, 3}}, {'d', 14, {3, 3}},
        {'e', 13, {3, 2, 3}}, {'g', 14, {3, 3, 3}}, {'o', 13, {3, 3}}, {'p', 14, {3, 3}},
        {'q', 14, {3, 3}}, {'s', 14, {3, 3, 3}}, {'B', 14, {3, 3, 3}}, {'C', 14, {3, 3}},
        {'O', 14, {3, 3}}, {'S', 14, {3, 3, 3}}, {'0', 14, {3, 3}}, {'3', 14, {3, 3, 3}},
        {'6', 14, {3, 3, 3}}, {'8', 14, {3, 3, 3}}, {'9', 14, {3, 3, 3}},
    };
    // clang-format on
    for (const MiddleColumn& expected : columns) {
        const TileImage& image = glyph(expected.character);
        EXPECT_EQ(columnRuns(image, expected.x), expected.runs)
            << describe(expected.character) << ", column " << expected.x << drawing(inkOf(image));
    }
}

TEST(GlyphShapeTest, DigitZeroHasNothingInItsCentre) {
    const TileImage& zero = glyph('0');
    EXPECT_EQ(inkIn(zero, {13, 15, 11, 17}), 0) << drawing(inkOf(zero));
}

}  // namespace
}  // namespace morvane::test
