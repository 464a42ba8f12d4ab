// The yardstick for the game's start-up: a bare Qt Widgets window of the game's size with the
// same number and kinds of controls, drawn by stock Qt classes, and no game behind it.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QWidget>

#include "bench/BenchSupport.h"
#include "bench/FirstFrameProbe.h"

namespace {

constexpr int kBoxCount = 68;
constexpr int kHiddenBoxes = 4;  // the game also keeps four of its holders hidden
constexpr int kBoxSize = 33;     // a 2-pixel sunken panel around a 29x29 fill
constexpr int kColumns = 16;

void addBoxes(QWidget& window) {
    for (int i = 0; i < kBoxCount; ++i) {
        auto* box = new QLabel(&window);
        box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        box->setAutoFillBackground(true);
        box->setGeometry(16 + (i % kColumns) * (kBoxSize + 8),
                         40 + (i / kColumns) * (kBoxSize + 16), kBoxSize, kBoxSize);
        if (i >= kBoxCount - kHiddenBoxes)
            box->hide();
    }
}

void addOtherControls(QWidget& window) {
    const char* captions[] = {
        "Letters", "For more information press F1 key", "Numbers", "Count", "0", "Seconds"};
    int x = 16;
    for (const char* caption : captions) {
        auto* label = new QLabel(QString::fromLatin1(caption), &window);
        label->setAutoFillBackground(true);
        label->setGeometry(x, 8, 110, 17);
        x += 120;
    }
    auto* count = new QLineEdit(QStringLiteral("1"), &window);
    count->setGeometry(632, 40, 89, 41);

    auto* frame = new QGroupBox(QStringLiteral("Difficulty Levels"), &window);
    frame->setGeometry(384, 304, 281, 129);
    const char* levels[] = {"Numbers only", "Letters only", "Letters and numbers"};
    QRadioButton* first = nullptr;
    int y = 24;
    for (const char* level : levels) {
        auto* option = new QRadioButton(QString::fromLatin1(level), frame);
        option->setGeometry(16, y, 153, 25);
        if (first == nullptr)
            first = option;
        y += 32;
    }
    first->setChecked(true);
    auto* shuffle = new QPushButton(QStringLiteral("Shuffle"), frame);
    shuffle->setGeometry(176, 24, 81, 57);
    auto* about = new QPushButton(QStringLiteral("About"), frame);
    about->setGeometry(176, 88, 81, 25);
    auto* exchange = new QPushButton(QStringLiteral("< | >"), &window);
    exchange->setGeometry(312, 264, 57, 25);

    const QRect lines[] = {{8, 296, 721, 1}, {376, 32, 1, 449}, {8, 32, 721, 1}};
    for (const QRect& rect : lines) {
        auto* line = new QWidget(&window);
        line->setAutoFillBackground(true);
        line->setGeometry(rect);
        line->lower();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const std::int64_t mainStartedNs = morvane::bench::monotonicNs();
    const auto options = morvane::bench::StartupOptions::parse(argc, argv);

    QApplication app(argc, argv);
    morvane::bench::mark("application");
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    morvane::bench::mark("look");

    QWidget window;
    window.setWindowTitle(QStringLiteral("Baseline"));
    window.setFixedSize(737, 489);
    addBoxes(window);
    addOtherControls(window);
    morvane::bench::mark("window");
    morvane::bench::FirstFrameProbe probe(options, mainStartedNs, window);
    window.show();
    morvane::bench::mark("show");
    return app.exec();
}
