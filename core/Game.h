#pragma once

#include <string>

#include "core/BoardState.h"
#include "core/Clock.h"
#include "core/GameController.h"
#include "core/PlayReadouts.h"

namespace morvane {

// One game: the board, the readouts and the controller that acts on both, owned together so
// that the controller never outlives what it refers to. Every action goes through
// controller(); the board and the readouts are only read from outside.
class Game {
public:
    // `decimalSeparator` is the user's locale separator for the seconds readout, in UTF-8.
    explicit Game(Clock& clock, std::string decimalSeparator = ".");

    // The controller refers to this game's own board and readouts; a copy's controller would
    // still act on those of the game it was copied from.
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GameController& controller() { return controller_; }
    const GameController& controller() const { return controller_; }
    const BoardState& board() const { return board_; }
    const PlayReadouts& readouts() const { return readouts_; }

private:
    BoardState board_;
    PlayReadouts readouts_;
    GameController controller_;
};

}  // namespace morvane
