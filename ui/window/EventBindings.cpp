#include "ui/window/EventBindings.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <utility>

#include "core/BoardState.h"
#include "ui/controls/PictureHolder.h"
#include "ui/help/AboutBox.h"

namespace morvane {

namespace {

template <typename Sender, typename Signal, typename Operation>
void bindOperation(Sender* sender, Signal signal, QWidget& window,
                   const std::function<void()>& redraw, Operation operation) {
    QObject::connect(sender, signal, &window, [operation = std::move(operation), redraw] {
        operation();
        redraw();
    });
}

}  // namespace

void EventBindings::connect(const WindowControls& controls, GameController& controller,
                            QWidget& window, std::function<void()> redraw) {
    for (Cell cell : BoardState::cells()) {
        bindOperation(controls.holderFor(cell), &PictureHolder::clicked, window, redraw,
                      [&controller, cell] { controller.clickCell(cell); });
    }
    bindOperation(controls.exchangeHandsButton, &QPushButton::clicked, window, redraw,
                  [&controller] { controller.exchangeHands(); });
    bindOperation(controls.shuffleButton, &QPushButton::clicked, window, redraw,
                  [&controller] { controller.shuffle(); });
    QMessageBox* about = AboutBox::create(window);
    bindOperation(controls.aboutButton, &QPushButton::clicked, window, redraw,
                  [&controller, about] {
                      about->exec();
                      controller.aboutClosed();
                  });
    // clicked() comes from the mouse, Space and the arrow keys, never from setChecked(); a click
    // on the option already selected selects its level again and counts.
    for (Level level : kAllLevels) {
        bindOperation(controls.optionFor(level), &QRadioButton::clicked, window, redraw,
                      [&controller, level] { controller.selectLevel(level); });
    }
}

}  // namespace morvane
