#include "ui/help/AboutBox.h"

#include <QMessageBox>

namespace morvane {

void AboutBox::exec(QWidget* parent) {
    QMessageBox box(
        QMessageBox::NoIcon, QStringLiteral("Morvane"),
        QStringLiteral("Zandorel, a letters and digits puzzle, written by the Morvane developers."),
        QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("AboutBox"));
    // OK, Return, Escape and the close button all end it the same way.
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

}  // namespace morvane
