#include "core/ShuffleTables.h"

#include <array>

namespace morvane {

namespace {

consteval CellPair pair(char first, char second) {
    return {Cell::ofHome(first), Cell::ofHome(second)};
}

// Reverses the digit row of a solved board.
constexpr std::array kNumbersOnly{
    pair('9', '0'), pair('8', '1'), pair('7', '2'), pair('6', '3'), pair('5', '4'),
};

// Every capital with the small letter at the mirrored place of the alphabet: A-z ... Z-a.
constexpr std::array kLettersOnly{
    pair('A', 'z'), pair('B', 'y'), pair('C', 'x'), pair('D', 'w'), pair('E', 'v'), pair('F', 'u'),
    pair('G', 't'), pair('H', 's'), pair('I', 'r'), pair('J', 'q'), pair('K', 'p'), pair('L', 'o'),
    pair('M', 'n'), pair('N', 'm'), pair('O', 'l'), pair('P', 'k'), pair('Q', 'j'), pair('R', 'i'),
    pair('S', 'h'), pair('T', 'g'), pair('U', 'f'), pair('V', 'e'), pair('W', 'd'), pair('X', 'c'),
    pair('Y', 'b'), pair('Z', 'a'),
};

// Every digit cell with a letter cell, so digits land among the letters and letters in the
// digit row.
constexpr std::array kLettersAndNumbers{
    pair('0', 'z'), pair('1', 'Z'), pair('2', 'v'), pair('3', 'V'), pair('4', 'r'),
    pair('5', 'R'), pair('6', 'j'), pair('7', 'J'), pair('8', 'c'), pair('9', 'C'),
};

}  // namespace

std::span<const CellPair> shuffleTableFor(Level level) {
    switch (level) {
        case Level::NumbersOnly:
            return kNumbersOnly;
        case Level::LettersOnly:
            return kLettersOnly;
        case Level::LettersAndNumbers:
            return kLettersAndNumbers;
    }
    return {};
}

}  // namespace morvane
