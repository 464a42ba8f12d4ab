#include "ui/look/WindowLook.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include "ui/look/ClassicStyle.h"

namespace morvane {

namespace {

// One style for every window, kept apart from the application's own: QApplication deletes its
// style when a desktop replaces it, which must not take the windows' style with it.
QStyle* windowStyle() {
    static QPointer<ClassicStyle> style;
    if (style.isNull()) {
        style = new ClassicStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

void WindowLook::adopt(QWidget& window) {
    QStyle* style = windowStyle();
    window.setStyle(style);
    for (QWidget* widget : window.findChildren<QWidget*>())
        widget->setStyle(style);
    window.setLayoutDirection(Qt::LeftToRight);
}

}  // namespace morvane
