#include "core/Game.h"

#include <utility>

namespace morvane {

Game::Game(Clock& clock, std::string decimalSeparator)
    : readouts_(clock, std::move(decimalSeparator)), controller_(board_, readouts_) {}

}  // namespace morvane
