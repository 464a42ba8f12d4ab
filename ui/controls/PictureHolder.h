#pragma once

#include <QPixmap>
#include <QWidget>

namespace morvane {

// A framed box that shows one tile picture unscaled at the top-left of its inner area, over
// its background colour, and reports clicks if it is clickable. All 68 holders, cells and
// slots, are this class.
class PictureHolder : public QWidget {
    Q_OBJECT

public:
    explicit PictureHolder(QWidget* parent = nullptr);

    // Refers to `picture` (one of the shared tile pixmaps); repaints only when it changes.
    void setPicture(const QPixmap& picture);
    const QPixmap* picture() const { return picture_; }

    QRect innerRect() const;

    // Whether the holder reports clicks (clicked(), and a press from a screen reader); a new
    // holder does not.
    void setClickable(bool clickable) { clickable_ = clickable; }
    bool isClickable() const { return clickable_; }
    // A completed click, as from the mouse; assistive technology presses a cell through this.
    void click();

signals:
    // A left press and release both on a clickable holder.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // QWidget's default would treat the second press of a double-click as another press.
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    // Paints a picture that exactly fills the inner area by copying its rows into the window's
    // image, if Qt paints into one at one pixel per pixel; false if it did not.
    bool copyPicture(const QPaintEvent& event);

    const QPixmap* picture_ = nullptr;
    bool clickable_ = false;
    bool pressed_ = false;
};

}  // namespace morvane
