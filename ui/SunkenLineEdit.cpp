#include "SunkenLineEdit.h"

#include <qdrawutil.h>
#include <QPainter>

namespace morvane {

SunkenLineEdit::SunkenLineEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(kBorderWidth, kBorderWidth, kBorderWidth, kBorderWidth);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SunkenLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
}

}  // namespace morvane
