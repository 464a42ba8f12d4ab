#pragma once

#include "core/GameController.h"
#include "ui/window/TilePixmaps.h"
#include "ui/window/WindowControls.h"

namespace morvane {

// Shows the game's state in the window: every holder's tile, both readouts and the selected
// level, with the names a screen reader gives them. Holders whose tile did not change are not
// repainted, and names that did not change are not announced again.
namespace WindowRedraw {

void show(const GameController& controller, const TilePixmaps& pixmaps,
          const WindowControls& controls);

}  // namespace WindowRedraw

}  // namespace morvane
