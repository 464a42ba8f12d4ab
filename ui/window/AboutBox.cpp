#include "ui/window/AboutBox.h"

#include <QMessageBox>

namespace morvane {

const QString& AboutBox::title() {
    static const QString text = QStringLiteral("Morvane");
    return text;
}

const QString& AboutBox::notice() {
    static const QString text =
        QStringLiteral("Zandorel, a letters and digits puzzle, written by the Morvane developers.");
    return text;
}

void AboutBox::exec(QWidget* parent) {
    QMessageBox box(QMessageBox::NoIcon, title(), notice(), QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("AboutBox"));
    // OK, Return, Escape and the close button all end it the same way.
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

}  // namespace morvane
