#pragma once

#include <array>

#include "core/Cell.h"
#include "core/Level.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace morvane {

class PictureHolder;

// The controls that play a part in the game, as the builder built them: those the bindings and
// the redraw use, and the readouts' captions and the levels' frame, which the help pictures
// point out. The window owns them all; these are plain references.
struct WindowControls {
    std::array<PictureHolder*, Cell::kCount> cellHolders{};  // by Cell::index()
    PictureHolder* letterHandView = nullptr;                 // Picture64
    PictureHolder* letterHandStore = nullptr;                // Picture63
    PictureHolder* numberHandView = nullptr;                 // Picture27
    PictureHolder* numberHandStore = nullptr;                // Picture28
    QLabel* countCaption = nullptr;                          // Label3
    QLineEdit* countReadout = nullptr;                       // Text1
    QLabel* elapsedReadout = nullptr;                        // Label5
    QLabel* elapsedCaption = nullptr;                        // Label6
    QGroupBox* levelFrame = nullptr;                         // Frame1
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
