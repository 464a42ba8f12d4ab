#pragma once

// A key stroke as a keyboard makes it, or the key held down for a while, with the repeats the
// desktop sends: on an X server the key goes down and up on the server's own keyboard (XTest),
// and while it is down the repeats come as plain releases and presses, unmarked, as Qt passes
// them on when it has not yet seen the next one (it often has not while the window repaints);
// elsewhere they come as a Wayland client makes them itself, each marked as a repeat.
#if defined(MORVANE_TEST_XTEST)
#include <xcb/xcb.h>
#include <xcb/xtest.h>
#endif

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdlib>

#include "core/BoardState.h"
#include "tests/ui/UiTestSupport.h"

namespace morvane::test {

using namespace std::chrono_literals;

// The game as the stroke left it, and whether a box was open.
struct Outcome {
    bool done = false;
    QString count;
    BoardState board;
    bool boxOpen = false;
};

#if defined(MORVANE_TEST_XTEST)
// The X server's code for the key that types `keysym`, or 0.
inline xcb_keycode_t x11KeycodeOf(xcb_connection_t* connection, xcb_keysym_t keysym) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection,
        xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<uint8_t>(count)),
        nullptr);
    if (mapping == nullptr)
        return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
    xcb_keycode_t found = 0;
    for (int code = 0; code < count && found == 0; ++code) {
        for (int i = 0; i < mapping->keysyms_per_keycode; ++i) {
            if (keysyms[code * mapping->keysyms_per_keycode + i] == keysym)
                found = static_cast<xcb_keycode_t>(setup->min_keycode + code);
        }
    }
    std::free(mapping);
    return found;
}

inline xcb_connection_t* x11Connection() {
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// Presses or releases the key with the X server's code `keycode` on the server's keyboard, as
// a finger would.
inline void x11Key(xcb_keycode_t keycode, bool press) {
    xcb_test_fake_input(x11Connection(), press ? XCB_KEY_PRESS : XCB_KEY_RELEASE, keycode,
                        XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(x11Connection());
}

#endif

// A release or press as the window receives it: marked as a repeat or not, from the key with
// the X server's code `keycode` (0 where there is none).
inline void windowKey(int key, bool press, bool repeat, quint32 keycode = 0) {
    QWindow* window = QGuiApplication::focusWindow();
    if (window == nullptr)  // between a box closing and the window taking the keyboard back
        return;
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
    if (keycode == 0) {
        qt_handleKeyEvent(window, press ? QEvent::KeyPress : QEvent::KeyRelease, key,
                          Qt::NoModifier, text, repeat);
        return;
    }
    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, Qt::NoModifier, keycode, 0,
                    0, text, repeat);
    QCoreApplication::sendEvent(window, &event);
}

// Strokes `key` in the window with the focus, or holds it down for a while, then notes what
// came of it and closes any box it left open.
inline Outcome strokeKey(TestGame& game, int key, bool held) {
    Outcome outcome;
#if defined(MORVANE_TEST_XTEST)
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
#else
    const bool x11 = false;
#endif
    const std::chrono::milliseconds hold = held ? 300ms : 40ms;
    // Every step comes from a timer: a key that opens the About box stays in the box's own
    // event loop until the box closes.
    const auto at = [&game](std::chrono::milliseconds when, auto step) {
        QTimer::singleShot(when, &game.window, step);
    };
    quint32 keycode = 0;
#if defined(MORVANE_TEST_XTEST)
    if (x11) {
        const xcb_keycode_t code =
            x11KeycodeOf(x11Connection(), key == Qt::Key_Space ? 0x0020 : 0xff0d);
        keycode = code;
        at(0ms, [code] { x11Key(code, true); });
        at(hold, [code] { x11Key(code, false); });
    }
#endif
    if (!x11)
        at(0ms, [key] { windowKey(key, true, false); });
    for (auto when = 60ms; when < hold; when += 30ms) {
        at(when, [key, keycode, x11] {
            windowKey(key, false, !x11, keycode);
            windowKey(key, true, !x11, keycode);
        });
    }
    if (!x11)
        at(hold, [key] { windowKey(key, false, false); });
    at(hold + 300ms, [&] {
        outcome.count = game.countText();
        outcome.board = game.window.game().board();
        QWidget* box = QApplication::activeModalWidget();
        outcome.boxOpen = box != nullptr;
        if (box != nullptr)
            box->close();
        outcome.done = true;
    });
    if (!QTest::qWaitFor([&outcome] { return outcome.done; },
                         static_cast<int>(hold.count()) + 5000))
        qWarning("the stroke did not end");
    return outcome;
}

}  // namespace morvane::test
