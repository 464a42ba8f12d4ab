#pragma once

#include <QGroupBox>

namespace morvane {

// A frame drawn the classic way: an etched rectangle whose top line runs through the middle
// of the caption and breaks for it, so the caption's own spaces widen the gap.
class CaptionedFrame : public QGroupBox {
    Q_OBJECT

public:
    static constexpr int kCaptionIndent = 8;

    explicit CaptionedFrame(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace morvane
