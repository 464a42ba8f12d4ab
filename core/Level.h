#pragma once

namespace morvane {

// The difficulty levels; each owns one fixed shuffle table.
enum class Level { NumbersOnly, LettersOnly, LettersAndNumbers };

}  // namespace morvane
