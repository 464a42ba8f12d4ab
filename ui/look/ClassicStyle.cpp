#include "ui/look/ClassicStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionButton>

#include "ui/look/ClassicRadioIndicator.h"

namespace morvane {

ClassicStyle::ClassicStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void ClassicStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element == PE_IndicatorRadioButton) {
        ClassicRadioIndicator::draw(*painter, *option);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void ClassicStyle::drawControl(ControlElement element, const QStyleOption* option,
                               QPainter* painter, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    // The Windows style shows a default button's frame only in the margin it keeps round
    // buttons that may become default, which would shrink our buttons by a pixel on every side.
    if (element != CE_PushButtonBevel || button == nullptr ||
        !button->features.testFlag(QStyleOptionButton::DefaultButton) ||
        button->features.testFlag(QStyleOptionButton::AutoDefaultButton)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    painter->save();
    painter->setPen(option->palette.color(QPalette::Shadow));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
    QStyleOptionButton inside(*button);
    inside.rect = option->rect.adjusted(1, 1, -1, -1);
    QProxyStyle::drawControl(element, &inside, painter, widget);
}

}  // namespace morvane
