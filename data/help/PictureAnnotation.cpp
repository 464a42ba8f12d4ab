#include "data/help/PictureAnnotation.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace morvane::help {

namespace {

// Orange-red: stands out on every colour of the window, its background, panels and readouts
// alike, and is dark enough for the white numbers on it to read (4.9:1), as on the help page's
// list.
const QColor kCalloutColour(208, 56, 0);
constexpr int kRingWidth = 3;
constexpr int kMarkerRadius = 12;

// The ring round a part stands a little off it, so the part shows whole inside.
QRect ringAround(const QRect& part) {
    return part.adjusted(-3, -3, 3, 3);
}

QPoint markerCentre(const QRect& ring, MarkerSide side) {
    const int away = kRingWidth + kMarkerRadius + 1;
    switch (side) {
        case MarkerSide::Left:
            return {ring.left() - away, ring.center().y()};
        case MarkerSide::Right:
            return {ring.right() + away, ring.center().y()};
        case MarkerSide::Below:
            break;
    }
    return {ring.center().x(), ring.bottom() + away};
}

}  // namespace

void PictureAnnotation::drawCallouts(QImage& picture, std::span<const Callout> callouts) {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Callout& callout : callouts) {
        const QRect ring = ringAround(callout.part);
        painter.setPen(QPen(Qt::white, kRingWidth + 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(ring, 4, 4);
        painter.setPen(QPen(kCalloutColour, kRingWidth));
        painter.drawRoundedRect(ring, 4, 4);
    }
    painter.end();
    // Markers last, over any ring they overlap; each is drawn by a painter of its own.
    for (const Callout& callout : callouts)
        drawMarker(picture, markerCentre(ringAround(callout.part), callout.side), callout.number);
}

void PictureAnnotation::drawMarker(QImage& picture, QPoint centre, int number) {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(kCalloutColour);
    painter.drawEllipse(centre, kMarkerRadius, kMarkerRadius);
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    const QRect box(centre.x() - kMarkerRadius, centre.y() - kMarkerRadius, 2 * kMarkerRadius,
                    2 * kMarkerRadius);
    painter.drawText(box, Qt::AlignCenter, QString::number(number));
}

void PictureAnnotation::drawPointer(QImage& picture, QPoint tip) {
    // The usual arrow pointer, 1.5 pixels to each of its 12 x 19 units.
    const QPolygonF arrow({{0, 0}, {0, 16}, {4, 12}, {7, 19}, {10, 18}, {7, 11}, {12, 11}});
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(tip);
    painter.scale(1.5, 1.5);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
}

QImage PictureAnnotation::enlarged(const QImage& picture, int factor) {
    return picture.scaled(picture.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace morvane::help
