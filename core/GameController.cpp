#include "core/GameController.h"

#include "core/ShuffleTables.h"

namespace morvane {

GameController::GameController(BoardState& board, PlayReadouts& readouts)
    : board_(board), readouts_(readouts) {}

void GameController::startUp() {
    readouts_.start();
    selectLevel(Level::NumbersOnly);
}

// Every action but aboutClosed() reads the clock before it counts.
void GameController::beginAction() {
    readouts_.refreshElapsed();
    readouts_.countAction();
}

void GameController::clickCell(Cell cell) {
    beginAction();
    board_.exchange(cell, BoardState::handFor(cell));
}

void GameController::exchangeHands() {
    beginAction();
    board_.exchange(Hand::LetterHand, Hand::NumberHand);
}

void GameController::selectLevel(Level level) {
    beginAction();
    currentLevel_ = level;
}

// The seconds are read when the box closes, after the count.
void GameController::aboutClosed() {
    readouts_.countAction();
    readouts_.refreshElapsed();
}

void GameController::shuffle() {
    beginAction();
    // Exactly one level is selected after startUp(), so exactly one table applies.
    if (currentLevel_)
        applyShuffleTable(*currentLevel_);
}

void GameController::applyShuffleTable(Level level) {
    for (const CellPair& pair : shuffleTableFor(level))
        board_.exchange(pair.first, pair.second);
}

}  // namespace morvane
