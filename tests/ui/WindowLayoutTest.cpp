// The window as built from its layout: geometry, colours, fonts, captions and focus order.
#include <QFontInfo>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <set>
#include <string_view>

#include "core/BoardState.h"
#include "tests/ui/CaptionFit.h"
#include "tests/ui/GoldenWindow.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/controls/PictureHolder.h"
#include "ui/window/WindowBuilder.h"
#include "ui/window/WindowLayout.h"

using namespace morvane;
using morvane::test::TestGame;
namespace golden = morvane::test::golden;

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyApplicationLook(); }

    // Every position and size a whole number of pixels at 96 DPI, so that the pixel rectangles
    // below pin the table down to the twip. (That the tab indices run 0 to 81, each once, the
    // layout table asserts as it compiles.)
    void layoutDataIsComplete() {
        const auto controls = WindowLayout::controls();
        std::set<std::string_view> names;
        int holders = 0;
        for (const ControlSpec& controlSpec : controls) {
            names.insert(controlSpec.name);
            if (controlSpec.kind == ControlKind::PictureHolder)
                ++holders;
            const auto [left, top, width, height] = controlSpec.rect;
            const auto [x1, y1, x2, y2] = controlSpec.line;
            for (int twips : {left, top, width, height, x1, y1, x2, y2})
                QVERIFY2(twips % 15 == 0, controlSpec.name.data());
        }
        QCOMPARE(names.size(), 85U);
        QCOMPARE(holders, 68);
        QCOMPARE(WindowLayout::window().clientWidth % 15, 0);
        QCOMPARE(WindowLayout::window().clientHeight % 15, 0);
    }

    void windowHasItsFixedClientSizeAndTitle() {
        TestGame game;
        QCOMPARE(game.window.minimumSize(), golden::kWindowSize);
        QCOMPARE(game.window.maximumSize(), golden::kWindowSize);
        QCOMPARE(game.window.windowTitle(), QStringLiteral("Zandorel"));
        QVERIFY(game.inWindow<QLayout>().isEmpty());
        const QIcon icon = game.window.windowIcon();
        const QList<QSize> iconSizes = icon.availableSizes();
        QVERIFY2(iconSizes.contains(QSize(32, 32)) && iconSizes.contains(QSize(16, 16)),
                 "the built-in .ico must give its 32x32 and 16x16 pictures");
        for (const int size : {16, 32}) {
            const QImage picture = icon.pixmap(QSize(size, size), 1.0).toImage();
            QCOMPARE(picture.size(), QSize(size, size));
            QCOMPARE(picture.pixelColor(size - 1, 0).alpha(), 0);  // the top right corner
            // The 16-colour picture, not the black-and-white one: the title band is cyan.
            bool cyan = false;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x)
                    cyan = cyan || picture.pixelColor(x, y) == QColor(0, 255, 255);
            }
            QVERIFY2(cyan, qPrintable(QStringLiteral("no cyan in the %1x%1 icon").arg(size)));
        }
    }

    // Asked to maximise, as the maximise button of a frame that Qt draws itself asks, the
    // fixed-size window stays as and where it is; it still minimises.
    // The window grows with its fonts, however the desktop scales: twips become pixels by the
    // resolution the fonts are drawn at, whether Qt scales the window to it or not, and every
    // caption stays whole. Run again at 120 dpi in each of Qt's scaling modes.
    void growsWithItsFonts() {
        TestGame game;
        const qreal dpr = game.window.devicePixelRatioF();
        const qreal fontDpi = game.window.logicalDpiY() * dpr;
        if (const int expected = qEnvironmentVariableIntValue("MORVANE_EXPECTED_FONT_DPI"))
            QCOMPARE(qRound(fontDpi), expected);
        const auto onScreen = [dpr](int logical) { return qFloor(logical * dpr + 0.01); };
        const auto fromTwips = [fontDpi](int twips) { return qRound(twips * fontDpi / 1440); };
        const WindowSpec& windowSpec = WindowLayout::window();
        QCOMPARE(onScreen(game.window.width()), fromTwips(windowSpec.clientWidth));
        QCOMPARE(onScreen(game.window.height()), fromTwips(windowSpec.clientHeight));
        const QStringList overflows = test::captionOverflows(game.window);
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(QStringLiteral("; "))));
    }

    void fixedWindowIgnoresMaximising() {
        TestGame game;
        QVERIFY(game.showActive());
        QWindow* handle = game.window.windowHandle();
        const QPoint place = game.window.pos();
        const auto ask = [&](const std::function<void()>& request) {
            request();
            QTest::qWait(100);  // for the window system's answer
            // On Wayland the window takes the maximised size for a frame, and is fixed again
            // once the compositor has put it back.
            QTRY_COMPARE(game.window.maximumSize(), golden::kWindowSize);
            // A Wayland compositor that still holds the window maximised ends the connection,
            // and with it the program, at the window's next frame.
            game.window.repaint();
            QTest::qWait(100);
            QCOMPARE(handle->windowStates(), Qt::WindowNoState);
            QCOMPARE(game.window.windowState(), Qt::WindowNoState);
            QCOMPARE(handle->size(), golden::kWindowSize);
            QCOMPARE(game.window.size(), golden::kWindowSize);
            QCOMPARE(game.window.pos(), place);
        };
        // The frame's button asks the window handle; a program would ask the widget.
        ask([&] { handle->setWindowStates(handle->windowStates() ^ Qt::WindowMaximized); });
        ask([&] { game.window.showMaximized(); });
        handle->showMinimized();
        QVERIFY(handle->windowStates().testFlag(Qt::WindowMinimized));
        // A Wayland compositor tells a window nothing about minimising, so Qt there takes the
        // window for normal again as soon as the request is sent.
        if (QGuiApplication::platformName() != QLatin1String("wayland")) {
            QTest::qWait(100);
            QVERIFY(handle->windowStates().testFlag(Qt::WindowMinimized));
        }
    }

    void everyControlHasItsRectangleCaptionAndVisibility() {
        TestGame game;
        QVERIFY(game.showActive());
        const QStringList differences = golden::layoutDifferences(game.window);
        QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QStringLiteral("; "))));
        // What lies within the frame belongs to it.
        const QWidget* frame = game.control(golden::kLevelFrame);
        for (const golden::Control& control : golden::kControls) {
            if (control.rect != frame->geometry() && frame->geometry().contains(control.rect))
                QCOMPARE(game.control(control.name)->parentWidget(), frame);
        }
        for (QPushButton* button : game.inWindow<QPushButton>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }

    void buildAloneLeavesOptionsClearAndReadoutsEmpty() {
        QWidget window;
        TilePixmaps pixmaps;
        const WindowControls controls = WindowBuilder::build(window, pixmaps);
        for (QRadioButton* option : controls.levelOptions)
            QVERIFY(!option->isChecked());
        QVERIFY(controls.countReadout->text().isEmpty());
        QVERIFY(controls.elapsedReadout->text().isEmpty());
        for (Cell cell : BoardState::cells()) {
            QCOMPARE(controls.cellHolders[cell.index()]->picture(),
                     &pixmaps.of(GlyphTile(cell.homeCharacter())));
        }
        for (PictureHolder* slot : {controls.letterHandView, controls.letterHandStore,
                                    controls.numberHandView, controls.numberHandStore}) {
            QCOMPARE(slot->picture(), &pixmaps.of(BlankTile));
        }
    }

    // Colours come from the program's own classic scheme, even under a dark desktop theme;
    // fonts follow their roles.
    void coloursAndFontsFollowTheirRolesWhateverTheTheme() {
        const QPalette previous = QApplication::palette();
        QPalette dark(QColor(30, 30, 30), QColor(20, 20, 20));
        dark.setColor(QPalette::Base, QColor(10, 10, 10));
        dark.setColor(QPalette::Text, QColor(0, 40, 40));
        dark.setColor(QPalette::WindowText, QColor(0, 40, 40));
        QApplication::setPalette(dark);
        TestGame game;
        QApplication::setPalette(previous);
        QVERIFY(game.showActive());

        QCOMPARE(game.window.palette().color(QPalette::Window), golden::kDesktop);
        QStringList wrong;
        const auto check = [&](const char* name, QPalette::ColorRole role, const QColor& colour) {
            const QColor is = game.control(name)->palette().color(role);
            if (colour.isValid() && is != colour)
                wrong << QStringLiteral("%1: role %2 is %3").arg(name).arg(role).arg(is.name());
        };
        for (const golden::Control& c : golden::kControls) {
            const QWidget* widget = game.control(c.name);
            if (qobject_cast<const QPushButton*>(widget) != nullptr) {
                check(c.name, QPalette::Button, c.background);
                check(c.name, QPalette::ButtonText, c.text);
            } else if (qobject_cast<const QLineEdit*>(widget) != nullptr) {
                check(c.name, QPalette::Base, c.background);
                check(c.name, QPalette::Text, c.text);
            } else {
                // A line is drawn in its background.
                check(c.name, QPalette::Window, c.background.isValid() ? c.background : c.text);
                check(c.name, QPalette::WindowText, c.background.isValid() ? c.text : QColor());
            }
            if (c.font == nullptr)
                continue;
            const QFont font = widget->font();
            // Whichever face stands in, it is asked for by its own name, so that Qt does not
            // search for it (FontFallbackTest says which); a real sans face at the classic
            // pixel size.
            if (!QFontInfo(font).exactMatch() || font.pointSizeF() != c.font->points ||
                font.weight() != (c.font->bold ? QFont::Bold : QFont::Normal) ||
                QFontInfo(font).pixelSize() != c.font->pixelSize)
                wrong << QStringLiteral("%1: font %2").arg(QLatin1String(c.name), font.toString());
        }
        for (Cell cell : BoardState::cells())
            check(BoardState::holderOf(cell).data(), QPalette::Window, golden::kDesktop);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
        for (QLabel* label : game.inWindow<QLabel>()) {
            QVERIFY2(label->autoFillBackground(), "labels are opaque");
            // Every text from the top; only the seconds figure stands at the right of its band.
            const bool right = label->objectName() == QLatin1String(golden::kSecondsReadout);
            QCOMPARE(label->alignment(), (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        }
    }

    // Tab visits the controls by tab index and Shift+Tab the same in reverse; the option group is
    // one stop, at its selection, whether that was made from code at start-up, by an arrow key
    // or by the mouse.
    void tabWalksTheFocusOrder() {
        TestGame game;
        QVERIFY(game.showActive());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
        walkBothWays(game, golden::levelOption(Level::NumbersOnly));
        if (QTest::currentTestFailed())
            return;

        game.levelOption(Level::NumbersOnly)->setFocus();
        game.key(Qt::Key_Down);
        walkBothWays(game, golden::levelOption(Level::LettersOnly));
        if (QTest::currentTestFailed())
            return;

        game.click(game.levelOption(Level::LettersAndNumbers));
        walkBothWays(game, golden::levelOption(Level::LettersAndNumbers));
    }

private:
    // The whole focus cycle from Picture1, with `option` as the group's stop: it follows the
    // holders' numbers, not the board, so the holders go by their names.
    static QStringList focusCycle(const QString& option) {
        QStringList cycle;
        const auto range = [&](int first, int last) {
            for (int n = first; n <= last; ++n)
                cycle << QStringLiteral("Picture%1").arg(n);
        };
        range(1, 18);
        range(20, 26);
        range(29, 44);
        range(47, 56);
        cycle << golden::kLetterHandView << golden::kExchangeButton;
        range(73, 81);
        cycle << golden::kNumberHandView << golden::kCountReadout << option
              << golden::kShuffleButton << "Picture82" << golden::kAboutButton << "Picture19";
        return cycle;
    }

    static void walkBothWays(TestGame& game, const QString& option) {
        const QStringList cycle = focusCycle(option);
        const auto walk = [&game, &cycle](Qt::Key key) {
            game.control(qPrintable(cycle.first()))->setFocus();
            QStringList visited;
            while (visited.size() < cycle.size()) {
                game.key(key);
                visited << QApplication::focusWidget()->objectName();
            }
            return visited;
        };
        // Backwards first: Qt narrows the group by itself once an option has had the focus.
        QCOMPARE(walk(Qt::Key_Backtab), QStringList(cycle.rbegin(), cycle.rend()));
        QCOMPARE(walk(Qt::Key_Tab), cycle.mid(1) << cycle.first());
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "tests/ui/WindowLayoutTest.moc"
