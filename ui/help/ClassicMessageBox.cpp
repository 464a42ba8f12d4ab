#include "ui/help/ClassicMessageBox.h"

#include <QAbstractButton>
#include <QMessageBox>

#include "ui/look/ClassicPalette.h"
#include "ui/look/WindowLook.h"

namespace morvane {

QMessageBox* ClassicMessageBox::create(QWidget& window, const QString& objectName,
                                       const QString& text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Morvane"), text,
                                QMessageBox::Ok, &window);
    box->setObjectName(objectName);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    // Desktop themes name the button themselves, some with a mnemonic ("&OK").
    box->button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    // A box is a window of its own, which Qt gives the application's palette and font, not
    // those of the window it belongs to.
    box->setPalette(ClassicPalette::base());
    box->setFont(window.font());
    WindowLook::adopt(*box);
    return box;
}

}  // namespace morvane
