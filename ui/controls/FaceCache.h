#pragma once

#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QStyle>

class QStyleOptionButton;
class QWidget;

namespace morvane {

// The faces a control has shown, each drawn once by the style and then copied. For controls
// whose caption, size and colours never change, so that the style's state (up, pressed,
// focused, selected ...) and the pixel ratio tell one face from another; a face covers the
// whole control, over the colour that would show behind it. Buttons and level options use it.
class FaceCache {
public:
    // The face of `control` in `option`'s state: drawn with `element` over `background` the
    // first time, copied from then on.
    const QPixmap& face(QWidget& control, QStyle::ControlElement element,
                        const QStyleOptionButton& option, const QColor& background);

    // Forgets every face: the colours, font or style they were drawn in have changed.
    void clear() { faces_.clear(); }

private:
    // By the style's state and the control's features, and the pixel ratio.
    QHash<quint64, QPixmap> faces_;
};

}  // namespace morvane
