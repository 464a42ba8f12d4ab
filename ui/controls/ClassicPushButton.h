#pragma once

#include <QPushButton>

#include "ui/controls/FaceCache.h"

namespace morvane {

// A push button as on the classic desktop: while it has the focus, Space, Return and Enter
// press it, and it shows as the default button; without the focus it is an ordinary button,
// so the window has no default button. Only the primary mouse button gives it the focus.
// Each face it shows (up, pressed, focused ...) is drawn once and then copied, and a click
// draws it up in the same frame as what the click changed.
class ClassicPushButton : public QPushButton {
    Q_OBJECT

public:
    ClassicPushButton(const QString& caption, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    FaceCache faces_;
};

}  // namespace morvane
