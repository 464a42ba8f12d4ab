#pragma once

#include <QObject>
#include <QSize>

class QWidget;

namespace morvane {

// Keeps a fixed-size window out of the maximised state, whoever asks: the window manager on
// X11 offers no maximise for a fixed size, but a frame that Qt draws itself (on Wayland)
// offers it whatever the window's flags say, and a maximised fixed-size window only moves to
// the corner of the screen while its frame then offers to restore it. Minimising is left
// alone. Lives as long as the window it watches.
class MaximiseRefusal : public QObject {
    Q_OBJECT

public:
    explicit MaximiseRefusal(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stateChanged();
    void unmaximise();
    void fixSizeAgain();

    QWidget& window_;
    // While the window may take a Wayland compositor's maximised size: its fixed size.
    QSize fixedSize_;
};

}  // namespace morvane
