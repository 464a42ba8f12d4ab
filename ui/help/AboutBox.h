#pragma once

#include <QWidget>

namespace morvane {

// The modal authorship notice behind the "About" button.
namespace AboutBox {

// Shows the box and returns once the player has dismissed it, whichever way.
void exec(QWidget* parent);

}  // namespace AboutBox

}  // namespace morvane
