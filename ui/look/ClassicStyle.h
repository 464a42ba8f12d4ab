#pragma once

#include <QProxyStyle>

namespace morvane {

// Qt's built-in "Windows" style, the classic desktop's look: flat button-face push buttons
// with a raised 3-D edge, round option buttons, plain message boxes. Some desktops' themes
// still ask for icons on dialog buttons; the classic look has none. The default button keeps
// its size and shows a black frame round its edge, and option buttons have the classic
// unsmoothed round indicator.
class ClassicStyle : public QProxyStyle {
    Q_OBJECT

public:
    ClassicStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace morvane
