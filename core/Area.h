#pragma once

namespace morvane {

// Which part of the board a cell belongs to; it decides which hand a click exchanges with.
enum class Area { LetterArea, NumberArea };

}  // namespace morvane
