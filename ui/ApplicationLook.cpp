#include "ApplicationLook.h"

#include <QApplication>
#include <QStyleFactory>

#include "ClassicFonts.h"

namespace morvane {

void applyApplicationLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ClassicFonts::installSubstitutions();
}

}  // namespace morvane
