#pragma once

#include <array>

namespace morvane {

// The difficulty levels; each owns one fixed shuffle table.
enum class Level { NumbersOnly, LettersOnly, LettersAndNumbers };

// Every level, in the order of the window's level options.
inline constexpr std::array kAllLevels{Level::NumbersOnly, Level::LettersOnly,
                                       Level::LettersAndNumbers};

}  // namespace morvane
