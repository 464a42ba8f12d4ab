#pragma once

#include <QHash>
#include <QPixmap>
#include <QPushButton>

namespace morvane {

// A push button as on the classic desktop: while it has the focus, Space, Return and Enter
// press it, and it shows as the default button; without the focus it is an ordinary button,
// so the window has no default button. Only the primary mouse button gives it the focus.
// Its caption, size and colours never change, so each face it shows (up, pressed, focused ...)
// is drawn once and then copied: a click repaints it twice.
class ClassicPushButton : public QPushButton {
    Q_OBJECT

public:
    ClassicPushButton(const QString& caption, QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The faces drawn so far, by the style's state and features and the pixel ratio.
    QHash<quint64, QPixmap> faces_;
};

}  // namespace morvane
