#pragma once

class QMessageBox;
class QWidget;

namespace morvane {

// The modal authorship notice behind the "About" button.
namespace AboutBox {

// The box for `window`, hidden; exec() shows it and returns once the player has dismissed it,
// whichever way.
QMessageBox* create(QWidget& window);

}  // namespace AboutBox

}  // namespace morvane
