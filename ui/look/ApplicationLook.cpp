#include "ui/look/ApplicationLook.h"

#include <QApplication>
#include <QScreen>

#include "ui/look/ClassicFonts.h"
#include "ui/look/ClassicPalette.h"
#include "ui/look/ClassicStyle.h"
#include "ui/look/LookSpecs.h"

namespace morvane {

void applyApplicationLook() {
    // A style sheet given at start (-stylesheet) would wrap every window's style and redraw the
    // readouts in its own colours; the windows are built after this, with none.
    qApp->setStyleSheet(QString());
    // The application takes ownership of the style.
    QApplication::setStyle(new ClassicStyle);
    QApplication::setPalette(ClassicPalette::base());
    QApplication::setFont(ClassicFonts::font(
        kSystemFont, qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchY())));
}

}  // namespace morvane
