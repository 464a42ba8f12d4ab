#include "ui/controls/SunkenLineEdit.h"

#include <QPainter>

#include "ui/look/SunkenEdge.h"

namespace morvane {

SunkenLineEdit::SunkenLineEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setTextMargins(SunkenEdge::kWidth, SunkenEdge::kWidth, SunkenEdge::kWidth, SunkenEdge::kWidth);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void SunkenLineEdit::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    SunkenEdge::draw(painter, rect(), palette());
}

}  // namespace morvane
