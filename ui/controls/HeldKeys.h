#pragma once

#include <QObject>
#include <QSet>

class QKeyEvent;

namespace morvane {

// One press of Space, Return or Enter is one action, however long the key is held: the
// desktop's key repeat must not click a push button or an option again and again (nor close
// the About box it has just opened). Qt marks a repeat on X11 only when it happens to see the
// repeat's next event already queued, which it often does not while the window repaints; so
// the key counts as held from its first press until the keyboard itself says it is up. The
// arrow keys still repeat, as each of their moves is a selection of its own, and so does
// typing into the count box.
class HeldKeys : public QObject {
    Q_OBJECT

public:
    // Watches every key press and release the application receives, for as long as `owner`
    // lives.
    explicit HeldKeys(QObject& owner);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    // Whether a release comes from the key's repeat: marked so, or the key still down.
    static bool repeatsRelease(const QKeyEvent& release);

    QSet<int> held_;
};

}  // namespace morvane
