#pragma once

#include <cstdint>

namespace morvane {

// The identity of a tile: one of the 62 glyph tiles (A-Z, a-z, 0-9) or the blank.
// Tiles are plain values; the board moves them between places and never inspects them.
class Tile {
public:
    static constexpr int kGlyphCount = 62;
    static constexpr int kCount = kGlyphCount + 1;

    // Dense index 0..62: capitals 0-25, small letters 26-51, digits 52-61, the blank 62.
    // Artwork tables and per-tile arrays are indexed by it.
    constexpr int index() const { return index_; }
    static constexpr Tile fromIndex(int index) { return Tile(index); }

    constexpr bool isBlank() const { return index_ == kGlyphCount; }

    // The tile's character; '\0' for the blank.
    constexpr char character() const {
        if (index_ < 26)
            return static_cast<char>('A' + index_);
        if (index_ < 52)
            return static_cast<char>('a' + (index_ - 26));
        if (index_ < 62)
            return static_cast<char>('0' + (index_ - 52));
        return '\0';
    }

    friend constexpr bool operator==(Tile, Tile) = default;

private:
    friend constexpr Tile GlyphTile(char c);

    explicit constexpr Tile(int index) : index_(static_cast<std::uint8_t>(index)) {}

    std::uint8_t index_;
};

// The glyph tile of a character; `c` must be one of A-Z, a-z and 0-9.
constexpr Tile GlyphTile(char c) {
    if (c >= 'A' && c <= 'Z')
        return Tile(c - 'A');
    if (c >= 'a' && c <= 'z')
        return Tile(26 + (c - 'a'));
    return Tile(52 + (c - '0'));
}

// The one blank tile value; it always fills exactly two places. Its index follows the glyphs'.
inline constexpr Tile BlankTile = Tile::fromIndex(Tile::kGlyphCount);

}  // namespace morvane
