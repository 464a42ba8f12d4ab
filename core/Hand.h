#pragma once

namespace morvane {

// The two hands, each one tile place: the letter hand serves letter cells,
// the number hand digit cells.
enum class Hand { LetterHand, NumberHand };

}  // namespace morvane
