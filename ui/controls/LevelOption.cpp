#include "ui/controls/LevelOption.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>
#include <utility>

#include "ui/controls/OneFrameRelease.h"

namespace morvane {

LevelOption::LevelOption(const QString& caption, QWidget* parent) : QRadioButton(caption, parent) {
    // Qt focuses a control that takes click focus on a press of any mouse button; the option
    // takes the focus itself, on a press of the primary one.
    setFocusPolicy(Qt::TabFocus);
    // The face covers the whole option, so the frame behind it need not be drawn first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    OneFrameRelease::prepare(*this);
    // toggled() comes from clicks, arrow keys and setChecked() alike.
    connect(this, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            makeSelectedOptionTheTabStop();
    });
}

void LevelOption::setGroup(QList<LevelOption*> group) {
    std::ranges::sort(group, {}, &LevelOption::y);
    stackedGroup_ = std::move(group);
}

void LevelOption::makeSelectedOptionTheTabStop() {
    for (LevelOption* option : stackedGroup_)
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

void LevelOption::mouseReleaseEvent(QMouseEvent* event) {
    OneFrameRelease::run(*this, [this, event] { QRadioButton::mouseReleaseEvent(event); });
}

void LevelOption::keyReleaseEvent(QKeyEvent* event) {
    OneFrameRelease::run(*this, [this, event] { QRadioButton::keyReleaseEvent(event); });
}

void LevelOption::paintEvent(QPaintEvent*) {
    QStyleOptionButton option;
    initStyleOption(&option);
    QPainter(this).drawPixmap(
        0, 0,
        faces_.face(*this, QStyle::CE_RadioButton, option, palette().color(QPalette::Window)));
}

void LevelOption::changeEvent(QEvent* event) {
    // A face drawn in other colours, another font or style is no longer this option's.
    faces_.clear();
    QRadioButton::changeEvent(event);
}

void LevelOption::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool back = key == Qt::Key_Up || key == Qt::Key_Left;
    if ((!back && key != Qt::Key_Down && key != Qt::Key_Right) || stackedGroup_.isEmpty()) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    const qsizetype step = back ? stackedGroup_.size() - 1 : 1;
    LevelOption* next = stackedGroup_[(stackedGroup_.indexOf(this) + step) % stackedGroup_.size()];
    // As in any option group, the move selects only when it starts from the selected option;
    // click() raises the same binding as the mouse.
    if (isChecked())
        next->click();
    next->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    event->accept();
}

}  // namespace morvane
