#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <span>

namespace morvane::help {

// Where a numbered marker sits beside the part it points out.
enum class MarkerSide { Left, Right, Below };

struct Callout {
    int number;
    QRect part;  // in the picture's pixels
    MarkerSide side;
};

// Drawing on screenshots for the help page; knows nothing of the game.
class PictureAnnotation {
public:
    // Rings each part and puts its number in a round marker beside it.
    static void drawCallouts(QImage& picture, std::span<const Callout> callouts);
    // A round numbered marker centred on `centre`.
    static void drawMarker(QImage& picture, QPoint centre, int number);
    // A mouse pointer whose tip is at `tip`: "click here".
    static void drawPointer(QImage& picture, QPoint tip);
    // Enlarged by a whole number without smoothing, so the pixel art stays crisp.
    static QImage enlarged(const QImage& picture, int factor);
};

}  // namespace morvane::help
