#pragma once

#include <optional>

#include "core/BoardState.h"
#include "core/Level.h"
#include "core/PlayReadouts.h"

namespace morvane {

// Carries out every player action as a fixed, ordered list of steps on the board and the
// readouts. Each operation except startUp() is one counted action; none looks at the tiles.
class GameController {
public:
    GameController(BoardState& board, PlayReadouts& readouts);

    // Starts the readouts, then selects NumbersOnly as a full counted action (count reads 1).
    void startUp();

    void clickCell(Cell cell);
    void exchangeHands();
    void selectLevel(Level level);
    void aboutClosed();
    void shuffle();

    // No level until startUp() has run.
    std::optional<Level> currentLevel() const { return currentLevel_; }

    const BoardState& board() const { return board_; }
    const PlayReadouts& readouts() const { return readouts_; }

private:
    void beginAction();
    void applyShuffleTable(Level level);

    BoardState& board_;
    PlayReadouts& readouts_;
    std::optional<Level> currentLevel_;
};

}  // namespace morvane
