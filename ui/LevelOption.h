#pragma once

#include <QRadioButton>

namespace morvane {

// A level option button. Qt moves through a radio group only with the arrow keys that point
// at a neighbour, and the options are stacked; Left and Right act as Up and Down so that
// every arrow key moves the selection, as players of classic games expect.
// The group is one Tab stop, at the selected option, however the selection was made; Qt
// narrows a group that way only once one of its options has had the focus. Only the primary
// mouse button gives an option the focus.
class LevelOption : public QRadioButton {
    Q_OBJECT

public:
    LevelOption(const QString& caption, QWidget* parent);

protected:
    // The whole rectangle takes the press, not just the round mark and the caption.
    bool hitButton(const QPoint& pos) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void makeSelectedOptionTheTabStop();
};

}  // namespace morvane
