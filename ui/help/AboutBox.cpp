#include "ui/help/AboutBox.h"

#include <QMessageBox>

#include "ui/help/ClassicMessageBox.h"

namespace morvane {

QMessageBox* AboutBox::create(QWidget& window) {
    return ClassicMessageBox::create(
        window, QStringLiteral("AboutBox"),
        QStringLiteral(
            "Zandorel, a letters and digits puzzle, written by the Morvane developers."));
}

}  // namespace morvane
