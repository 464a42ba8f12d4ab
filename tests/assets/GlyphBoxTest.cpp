#include <algorithm>
#include <array>

#include "tests/assets/ArtworkTestSupport.h"

namespace morvane::test {
namespace {

struct Box {
    char character;
    int left, top, width, height;
};

// The ink box of each glyph picture: the smallest rectangle holding all its ink.
constexpr std::array<Box, 62> kBoxes = {{
    {'A', 6, 6, 17, 17},  {'B', 7, 6, 15, 17},  {'C', 7, 6, 15, 17},  {'D', 7, 6, 14, 17},
    {'E', 8, 6, 13, 17},  {'F', 8, 6, 12, 17},  {'G', 6, 6, 16, 17},  {'H', 8, 6, 13, 17},
    {'I', 12, 6, 5, 17},  {'J', 9, 6, 11, 17},  {'K', 7, 6, 14, 17},  {'L', 9, 6, 12, 17},
    {'M', 6, 6, 17, 17},  {'N', 8, 6, 13, 17},  {'O', 6, 6, 16, 17},  {'P', 8, 6, 13, 17},
    {'Q', 6, 5, 17, 18},  {'R', 8, 6, 14, 17},  {'S', 7, 6, 14, 17},  {'T', 8, 6, 13, 17},
    {'U', 8, 6, 13, 17},  {'V', 6, 6, 17, 17},  {'W', 3, 6, 23, 17},  {'X', 7, 6, 15, 17},
    {'Y', 7, 6, 15, 17},  {'Z', 7, 6, 14, 17},  {'a', 9, 8, 12, 13},  {'b', 8, 5, 12, 17},
    {'c', 9, 9, 11, 13},  {'d', 8, 6, 12, 17},  {'e', 8, 10, 11, 13}, {'f', 10, 6, 8, 17},
    {'g', 8, 5, 12, 18},  {'h', 9, 6, 11, 17},  {'i', 13, 6, 3, 17},  {'j', 12, 1, 6, 22},
    {'k', 9, 6, 12, 17},  {'l', 13, 6, 3, 17},  {'m', 6, 10, 17, 13}, {'n', 9, 10, 11, 13},
    {'o', 7, 10, 13, 13}, {'p', 8, 5, 12, 18},  {'q', 8, 5, 13, 18},  {'r', 11, 10, 7, 13},
    {'s', 9, 10, 11, 13}, {'t', 11, 7, 7, 16},  {'u', 9, 10, 12, 13}, {'v', 8, 10, 13, 13},
    {'w', 5, 10, 19, 13}, {'x', 9, 10, 11, 13}, {'y', 8, 6, 13, 18},  {'z', 9, 10, 10, 13},
    {'0', 9, 6, 11, 17},  {'1', 11, 6, 7, 17},  {'2', 9, 6, 11, 17},  {'3', 9, 6, 11, 17},
    {'4', 8, 6, 12, 17},  {'5', 9, 6, 11, 17},  {'6', 9, 6, 11, 17},  {'7', 9, 6, 11, 17},
    {'8', 9, 6, 11, 17},  {'9', 9, 6, 11, 17},
}};

TEST(GlyphBoxTest, EveryInkBoxMatchesTheTable) {
    for (const Box& expected : kBoxes) {
        SCOPED_TRACE(describe(expected.character));
        const PixelSet ink = inkOf(glyph(expected.character));
        ASSERT_FALSE(ink.empty());
        int left = 29, top = 29, right = -1, bottom = -1;
        for (const auto& [x, y] : ink) {
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        EXPECT_EQ(left, expected.left) << drawing(ink);
        EXPECT_EQ(top, expected.top);
        EXPECT_EQ(right - left + 1, expected.width);
        EXPECT_EQ(bottom - top + 1, expected.height);
    }
}

// The margins keep every character clear of a holder's border, and the rows above and below
// the usual band belong to one character each, so no picture strays into them.
TEST(GlyphBoxTest, MarginsAndOutlyingRowsHoldOnlyTheirOwnInk) {
    for (const char c : allGlyphCharacters()) {
        SCOPED_TRACE(describe(c));
        std::string stray;
        for (const auto& [x, y] : inkOf(glyph(c))) {
            const bool allowed = x >= 3 && x <= 25 && y >= 1 && y <= 23 && y != 4 &&
                                 (y != 23 || c == 'y') && (y > 3 || c == 'j');
            if (!allowed)
                stray += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
        }
        EXPECT_EQ(stray, "") << "ink outside the rows and columns this character may use";
    }
}

}  // namespace
}  // namespace morvane::test
