#pragma once

#include <QString>

class QMessageBox;
class QWidget;

namespace morvane {

// The program's message boxes: the title "Morvane", one line of plain text, no icon and a
// single OK button that Return and Escape press and the close button stands for.
namespace ClassicMessageBox {

// Built once, hidden, as a child of `window`, in the window's classic look: its palette, its
// font and the classic style, which no later change of the desktop's reaches. Shown with
// exec() as often as needed.
QMessageBox* create(QWidget& window, const QString& objectName, const QString& text);

}  // namespace ClassicMessageBox

}  // namespace morvane
