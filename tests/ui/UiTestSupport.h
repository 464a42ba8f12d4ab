#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPoint>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <functional>
#include <memory>

#include "tests/support/FakeClock.h"
#include "tests/ui/GoldenWindow.h"
#include "ui/controls/PictureHolder.h"
#include "ui/look/ApplicationLook.h"
#include "ui/window/GameWindow.h"

namespace morvane::test {

// The time of day at which the window tests' games start: 11:06:40.
inline constexpr float kStartTime = 40000.0F;

inline const QString kMissingHelpFile = QStringLiteral("/nonexistent/morvane-test/Morvane.html");

// A game window as the program makes it, with a clock the test controls.
struct TestGame {
    FakeClock clock{kStartTime};
    GameWindow window{clock, kMissingHelpFile, QStringLiteral(".")};

    template <typename T = QWidget>
    T* control(const char* name) {
        T* found = window.findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr)
            qFatal("no control named %s", name);
        return found;
    }

    // The controls by their part in the game, found by their object names.
    PictureHolder* cellFor(char home) { return control<PictureHolder>(golden::cellHolder(home)); }
    PictureHolder* letterHandView() { return control<PictureHolder>(golden::kLetterHandView); }
    PictureHolder* numberHandView() { return control<PictureHolder>(golden::kNumberHandView); }
    QLineEdit* countReadout() { return control<QLineEdit>(golden::kCountReadout); }
    QLabel* secondsReadout() { return control<QLabel>(golden::kSecondsReadout); }
    QPushButton* exchangeButton() { return control<QPushButton>(golden::kExchangeButton); }
    QPushButton* shuffleButton() { return control<QPushButton>(golden::kShuffleButton); }
    QPushButton* aboutButton() { return control<QPushButton>(golden::kAboutButton); }
    QRadioButton* levelOption(Level level) {
        return control<QRadioButton>(golden::levelOption(level));
    }

    // The window's own widgets of a kind, not those of its message boxes.
    template <typename T>
    QList<T*> inWindow() const {
        QList<T*> own = window.findChildren<T*>();
        own.removeIf([this](const T* each) {
            const QWidget* widget = qobject_cast<const QWidget*>(each);
            return (widget != nullptr ? widget : each->parentWidget())->window() != &window;
        });
        return own;
    }

    // Shows the window and waits until it has the keyboard.
    bool showActive() {
        window.show();
        // On Wayland only the compositor gives a window the keyboard, as it maps it; the window
        // may show itself active a moment before the keyboard arrives.
        if (QGuiApplication::platformName() == QLatin1String("wayland")) {
            return QTest::qWaitFor([this] {
                return QGuiApplication::focusWindow() == window.windowHandle() &&
                       QApplication::activeWindow() == &window;
            });
        }
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    QPoint centreOf(const QWidget* widget) const {
        return widget->mapTo(&window, widget->rect().center());
    }

    // Real press and release through the window, so Qt decides which control is hit.
    void clickAt(QPoint windowPos) {
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, windowPos);
    }
    void click(const QWidget* widget) { clickAt(centreOf(widget)); }
    void key(int key) { QTest::keyClick(window.windowHandle(), static_cast<Qt::Key>(key)); }

    QString countText() const {
        return QString::fromStdString(window.game().readouts().countText());
    }
};

// Runs `action` on the next modal box once it is up; the test then triggers the box.
inline void whenModalShown(std::function<void(QWidget*)> action) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        action(modal);
    });
    poll->start();
}

// The ways a player closes a message box.
enum class Dismissal { OkButton, Escape, Return, SpaceOnOk, CloseButton };

inline void dismiss(QWidget* box, Dismissal way) {
    auto* messageBox = qobject_cast<QMessageBox*>(box);
    QAbstractButton* ok = messageBox != nullptr ? messageBox->buttons().value(0) : nullptr;
    if (ok == nullptr)
        way = Dismissal::CloseButton;
    switch (way) {
        case Dismissal::OkButton:
            return QTest::mouseClick(ok, Qt::LeftButton);
        case Dismissal::Escape:
            return QTest::keyClick(box, Qt::Key_Escape);
        case Dismissal::Return:
            return QTest::keyClick(box, Qt::Key_Return);
        case Dismissal::SpaceOnOk:
            ok->setFocus();
            return QTest::keyClick(ok, Qt::Key_Space);
        case Dismissal::CloseButton:
            box->windowHandle()->close();
    }
}

}  // namespace morvane::test
