#pragma once

#include <functional>

#include "core/GameController.h"
#include "ui/window/WindowControls.h"

class QWidget;

namespace morvane {

// Binds each control event to exactly one game operation, followed by a redraw. Controls
// without a binding (hand views, labels, readouts, frame, lines) do nothing when clicked.
namespace EventBindings {

void connect(const WindowControls& controls, GameController& controller, QWidget& window,
             std::function<void()> redraw);

}  // namespace EventBindings

}  // namespace morvane
