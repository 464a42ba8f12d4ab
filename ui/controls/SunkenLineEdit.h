#pragma once

#include <QLineEdit>

namespace morvane {

// A single-line text box with the classic sunken edge two pixels wide, in whatever style.
class SunkenLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit SunkenLineEdit(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace morvane
