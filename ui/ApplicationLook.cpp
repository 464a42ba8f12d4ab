#include "ApplicationLook.h"

#include <QApplication>

#include "ClassicFonts.h"
#include "ClassicPalette.h"
#include "ClassicStyle.h"
#include "WindowLayout.h"

namespace morvane {

void applyApplicationLook() {
    // The application takes ownership of the style.
    QApplication::setStyle(new ClassicStyle);
    ClassicFonts::installSubstitutions();
    QApplication::setPalette(ClassicPalette::base());
    QApplication::setFont(ClassicFonts::font(WindowLayout::window().font));
}

}  // namespace morvane
