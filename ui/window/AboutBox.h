#pragma once

#include <QWidget>

namespace morvane {

// The modal authorship notice behind the "About" button.
class AboutBox {
public:
    static const QString& title();
    static const QString& notice();

    // Shows the box and returns once the player has dismissed it, whichever way.
    static void exec(QWidget* parent);
};

}  // namespace morvane
