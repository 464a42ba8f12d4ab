#pragma once

#include <QRadioButton>

#include "ui/controls/FaceCache.h"

namespace morvane {

// A level option button. Qt moves through a radio group only with the arrow keys that point
// at a neighbour and stops at its ends; as on the classic desktop, every arrow key moves
// round the stacked options: Up and Left to the one above, Down and Right to the one below,
// from the last to the first and back.
// The group is one Tab stop, at the selected option, however the selection was made; Qt
// narrows a group that way only once one of its options has had the focus. Only the primary
// mouse button gives an option the focus. Each face it shows is drawn once and then copied,
// over the frame's colour, and a click draws it in the same frame as what the click changed.
class LevelOption : public QRadioButton {
    Q_OBJECT

public:
    LevelOption(const QString& caption, QWidget* parent);

    // The options of this one's group, this one among them, in any order: the arrow keys go
    // round them top to bottom, and the group is one Tab stop.
    void setGroup(QList<LevelOption*> group);

protected:
    // The whole rectangle takes the press, not just the round mark and the caption.
    bool hitButton(const QPoint& pos) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void makeSelectedOptionTheTabStop();

    FaceCache faces_;

    // The options of this one's group, top to bottom.
    QList<LevelOption*> stackedGroup_;
};

}  // namespace morvane
