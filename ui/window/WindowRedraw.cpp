#include "ui/window/WindowRedraw.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QString>

#include "ui/access/AccessibleText.h"
#include "ui/controls/PictureHolder.h"

namespace morvane {

namespace {

// Qt announces every new accessible name to screen readers (NameChanged), even one that is
// the same as before; only a real change is passed on, so nothing is read out twice.
void rename(QWidget& widget, const QString& name) {
    if (widget.accessibleName() != name)
        widget.setAccessibleName(name);
}

void showTile(PictureHolder& holder, const TilePixmaps& pixmaps, Tile tile) {
    holder.setPicture(pixmaps.of(tile));
    rename(holder, AccessibleText::tileName(tile));
}

}  // namespace

void WindowRedraw::show(const GameController& controller, const TilePixmaps& pixmaps,
                        const WindowControls& controls) {
    const BoardState& board = controller.board();
    for (Cell cell : BoardState::cells()) {
        showTile(*controls.holderFor(cell), pixmaps, board.tileAt(cell));
    }
    // Nobody sees a hand's hidden store, so it is given the picture but no name.
    const Tile letterHand = board.tileInHand(Hand::LetterHand);
    const Tile numberHand = board.tileInHand(Hand::NumberHand);
    showTile(*controls.letterHandView, pixmaps, letterHand);
    controls.letterHandStore->setPicture(pixmaps.of(letterHand));
    showTile(*controls.numberHandView, pixmaps, numberHand);
    controls.numberHandStore->setPicture(pixmaps.of(numberHand));

    // Always rewritten: whatever the player typed into the count box goes. The box's text
    // stays its value; the name says what the number is.
    const PlayReadouts& readouts = controller.readouts();
    controls.countReadout->setText(QString::fromStdString(readouts.countText()));
    rename(*controls.countReadout, AccessibleText::countName(readouts.countText()));
    controls.elapsedReadout->setText(QString::fromStdString(readouts.elapsedText()));
    rename(*controls.elapsedReadout, AccessibleText::elapsedName(readouts.elapsedText()));

    // Selecting from code emits no clicked(), so the option's binding does not run again.
    if (const auto level = controller.currentLevel())
        controls.optionFor(*level)->setChecked(true);
}

}  // namespace morvane
