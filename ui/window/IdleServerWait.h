#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QWidget;

namespace morvane {

// On X11, Qt hands the window's pixels to the X server through shared memory, and before it
// draws again over pixels it has handed over it waits for the server to have read them: a
// round trip, made when the next frame is drawn. After a press, that is the release, so every
// click would wait for the server. This makes the same wait as soon as the program is idle
// after each frame, when the server has long finished, and the click's frame goes out at
// once. Elsewhere it does nothing. Lives as long as the window it watches.
class IdleServerWait : public QObject {
    Q_OBJECT

public:
    explicit IdleServerWait(QWidget& window);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    void wait();

    QWidget& window_;
    QTimer idle_;
    // A pixel of the window drawn since the last wait, in the window's coordinates.
    QPoint drawn_;
};

}  // namespace morvane
