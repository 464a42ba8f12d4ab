#include "LevelOption.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace morvane {

LevelOption::LevelOption(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    // Qt focuses a control that takes click focus on a press of any mouse button; the option
    // takes the focus itself, on a press of the primary one.
    setFocusPolicy(Qt::TabFocus);
    // toggled() comes from clicks, arrow keys and setChecked() alike.
    connect(this, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            makeSelectedOptionTheTabStop();
    });
}

void LevelOption::makeSelectedOptionTheTabStop() {
    const auto options = parentWidget()->findChildren<LevelOption*>(Qt::FindDirectChildrenOnly);
    for (LevelOption* option : options)
        option->setFocusPolicy(option == this ? Qt::TabFocus : Qt::NoFocus);
}

bool LevelOption::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void LevelOption::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        setFocus(Qt::MouseFocusReason);
    QRadioButton::mousePressEvent(event);
}

void LevelOption::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key != Qt::Key_Left && key != Qt::Key_Right) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    QKeyEvent vertical(event->type(), key == Qt::Key_Left ? Qt::Key_Up : Qt::Key_Down,
                       event->modifiers(), event->text(), event->isAutoRepeat(), event->count());
    QRadioButton::keyPressEvent(&vertical);
    event->setAccepted(vertical.isAccepted());
}

}  // namespace morvane
