#pragma once

#include <array>

#include "core/Cell.h"
#include "core/Level.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace morvane {

class PictureHolder;

// The controls that the game reads or changes after the window is built. The window owns
// them all; these are plain references for the bindings and the redraw.
struct WindowControls {
    std::array<PictureHolder*, Cell::kCount> cellHolders{};  // by Cell::index()
    PictureHolder* letterHandView = nullptr;                 // Picture64
    PictureHolder* letterHandStore = nullptr;                // Picture63
    PictureHolder* numberHandView = nullptr;                 // Picture27
    PictureHolder* numberHandStore = nullptr;                // Picture28
    QLineEdit* countReadout = nullptr;                       // Text1
    QLabel* elapsedReadout = nullptr;                        // Label5
    std::array<QRadioButton*, 3> levelOptions{};             // Option1-3, by Level
    QPushButton* exchangeHandsButton = nullptr;              // Command5
    QPushButton* shuffleButton = nullptr;                    // Command1
    QPushButton* aboutButton = nullptr;                      // Command2

    PictureHolder* holderFor(Cell cell) const {
        return cellHolders[static_cast<std::size_t>(cell.index())];
    }
    QRadioButton* optionFor(Level level) const {
        return levelOptions[static_cast<std::size_t>(level)];
    }
};

}  // namespace morvane
