#include "WindowRedraw.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>

#include "PictureHolder.h"

namespace morvane {

void WindowRedraw::show(const GameController& game, const TilePixmaps& pixmaps,
                        const WindowControls& controls) {
    const BoardState& board = game.board();
    for (Cell cell : BoardState::cells()) {
        controls.cellHolders[static_cast<std::size_t>(cell.index())]->setPicture(
            pixmaps.of(board.tileAt(cell)));
    }
    // A hand's view and its hidden store always show the same tile.
    const QPixmap& letterHand = pixmaps.of(board.tileInHand(Hand::LetterHand));
    const QPixmap& numberHand = pixmaps.of(board.tileInHand(Hand::NumberHand));
    controls.letterHandView->setPicture(letterHand);
    controls.letterHandStore->setPicture(letterHand);
    controls.numberHandView->setPicture(numberHand);
    controls.numberHandStore->setPicture(numberHand);

    // Always rewritten: whatever the player typed into the count box goes.
    controls.countReadout->setText(QString::fromStdString(game.readouts().countText()));
    controls.elapsedReadout->setText(QString::fromStdString(game.readouts().elapsedText()));

    // Selecting from code emits no clicked(), so the option's binding does not run again.
    if (const auto level = game.currentLevel())
        controls.optionFor(*level)->setChecked(true);
}

}  // namespace morvane
