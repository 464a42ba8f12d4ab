#pragma once

#include <QWidget>

#include "ui/window/TilePixmaps.h"
#include "ui/window/WindowControls.h"

namespace morvane {

// Builds the game window's contents from WindowLayout: the window's own settings, the frame
// and its controls, the other controls, their first pictures and the focus order (starting at
// its first control), and what a screen reader says for the controls that never change.
// Leaves the level options unselected and the readouts empty.
class WindowBuilder {
public:
    static WindowControls build(QWidget& window, const TilePixmaps& pixmaps);

private:
    static void setUpWindow(QWidget& window);
    static void createControls(QWidget& window);
    static void showFirstPictures(QWidget& window, const TilePixmaps& pixmaps);
    static void chainFocusOrder(QWidget& window);
    static WindowControls findControls(QWidget& window);
    static void describeControls(const WindowControls& controls);
};

}  // namespace morvane
