#pragma once

#include <QAbstractButton>
#include <QMetaObject>
#include <QObject>

namespace morvane {

// Qt draws a button the moment it is let go, before it reports the click, and sends that frame
// to the window system by itself; what the click changes follows in a frame of its own. So one
// click costs two frames, and on X11 also a wait for the server to finish reading the pressed
// face before the up face can be drawn over it. Held back until the button has reported its
// release, the up face goes out in the same frame as what the click changed.
namespace OneFrameRelease {

// Ends the hold when the button reports its release, before it reports the click. Once, from
// the button's constructor.
inline void prepare(QAbstractButton& button) {
    QObject::connect(&button, &QAbstractButton::released, &button, [&button] {
        // The attribute, not setUpdatesEnabled(true), which would ask for the repaint now.
        button.setAttribute(Qt::WA_UpdatesDisabled, false);
        // Asked for once the click has been handled, so the button is drawn after what the
        // click changed (Qt gathers a frame's areas far faster top to bottom than out of
        // order), or by the event loop of a box the click opens, which so finds it drawn up.
        QMetaObject::invokeMethod(&button, qOverload<>(&QWidget::update), Qt::QueuedConnection);
    });
}

// Runs the button's own handling of a release (`release`: its base class's mouse or key
// release) with that immediate repaint held back, if the button is down and so about to be
// drawn up.
template <typename Release>
void run(QAbstractButton& button, Release&& release) {
    if (!button.isDown()) {
        release();
        return;
    }
    button.setUpdatesEnabled(false);
    release();
    // Let go off the button, so no click and no released(): drawn up with the next frame.
    if (!button.updatesEnabled())
        button.setUpdatesEnabled(true);
}

}  // namespace OneFrameRelease

}  // namespace morvane
