// The window as built from its layout: geometry, colours, fonts, captions and focus order.
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStyleOptionButton>
#include <QtTest>
#include <map>

#include "assets/TileArtwork.h"
#include "core/BoardState.h"
#include "tests/ui/CaptionFit.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/controls/CaptionedFrame.h"
#include "ui/controls/PictureHolder.h"
#include "ui/look/ClassicPalette.h"
#include "ui/window/WindowBuilder.h"
#include "ui/window/WindowLayout.h"

using namespace morvane;
using morvane::test::TestGame;

namespace {

// Pixel rectangles at 96 DPI, in window coordinates, of every control that is not a cell.
const std::map<QString, QRect>& expectedPixelRects() {
    static const std::map<QString, QRect> rects{
        {"Label1", {16, 16, 41, 17}},
        {"Label4", {336, 8, 193, 17}},
        {"Label2", {400, 56, 49, 17}},
        {"Label3", {632, 16, 33, 17}},
        {"Text1", {672, 16, 49, 19}},
        {"Picture27", {400, 136, 33, 33}},
        {"Picture28", {432, 136, 33, 33}},
        {"Command5", {352, 184, 33, 33}},
        {"Picture63", {264, 232, 33, 33}},
        {"Picture64", {296, 232, 33, 33}},
        {"Label5", {384, 264, 281, 33}},
        {"Label6", {672, 272, 57, 17}},
        {"Frame1", {384, 304, 281, 129}},
        {"Option1", {400, 328, 153, 25}},
        {"Option2", {400, 360, 121, 25}},
        {"Option3", {400, 392, 153, 25}},
        {"Command1", {560, 328, 81, 57}},
        {"Command2", {560, 392, 81, 25}},
        {"Picture45", {560, 312, 33, 33}},
        {"Picture46", {608, 312, 33, 33}},
        // Lines, both end points included.
        {"Line1", {328, 248, 41, 1}},
        {"Line2", {368, 152, 1, 97}},
        {"Line3", {368, 152, 33, 1}},
    };
    return rects;
}

QRect windowRect(const QWidget* widget) {
    return {widget->mapTo(widget->window(), QPoint(0, 0)), widget->size()};
}

QString name(std::string_view text) {
    return QString::fromLatin1(text.data(), text.size());
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyApplicationLook(); }

    void layoutDataIsComplete() {
        const auto controls = WindowLayout::controls();
        QSet<QString> names;
        QList<int> tabIndices;
        int holders = 0;
        for (const ControlSpec& controlSpec : controls) {
            names.insert(name(controlSpec.name));
            if (controlSpec.tabIndex)
                tabIndices.append(*controlSpec.tabIndex);
            if (controlSpec.kind == ControlKind::PictureHolder)
                ++holders;
            QCOMPARE(controlSpec.tabIndex.has_value(), controlSpec.kind != ControlKind::Line);
        }
        QCOMPARE(names.size(), 85);
        QCOMPARE(holders, 68);
        std::sort(tabIndices.begin(), tabIndices.end());
        QCOMPARE(tabIndices.size(), 82);
        for (int i = 0; i < 82; ++i)
            QCOMPARE(tabIndices[i], i);
    }

    void cellRuleMatchesTheCheckPoints() {
        const auto at = [](char home) { return WindowLayout::cellRect(*Cell::findByHome(home)); };
        QVERIFY((at('A') == TwipRect{240, 600, 495, 495}));
        QVERIFY((at('z') == TwipRect{1440, 6600, 495, 495}));
        QVERIFY((at('O') == TwipRect{4440, 2040, 495, 495}));
        QVERIFY((at('0') == TwipRect{6000, 1200, 495, 495}));
        QVERIFY((at('9') == TwipRect{10320, 1200, 495, 495}));
        // The last small-letter row ends 240 twips above the bottom, digit 9 240 from the right.
        QCOMPARE(at('x').top + at('x').height, 7335 - 240);
        QCOMPARE(at('9').left + at('9').width, 11055 - 240);
    }

    void windowHasItsFixedClientSizeAndTitle() {
        TestGame game;
        QCOMPARE(game.window.size(), QSize(737, 489));
        QCOMPARE(game.window.minimumSize(), QSize(737, 489));
        QCOMPARE(game.window.maximumSize(), QSize(737, 489));
        QCOMPARE(game.window.windowTitle(), QStringLiteral("Zandorel"));
        QVERIFY(game.window.findChildren<QLayout*>().isEmpty());
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
            QTRY_COMPARE(game.window.maximumSize(), QSize(737, 489));
            // A Wayland compositor that still holds the window maximised ends the connection,
            // and with it the program, at the window's next frame.
            game.window.repaint();
            QTest::qWait(100);
            QCOMPARE(handle->windowStates(), Qt::WindowNoState);
            QCOMPARE(game.window.windowState(), Qt::WindowNoState);
            QCOMPARE(handle->size(), QSize(737, 489));
            QCOMPARE(game.window.size(), QSize(737, 489));
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

    void everyControlHasItsPixelRectangle() {
        TestGame game;
        QVERIFY(game.showActive());
        for (const auto& [controlName, rect] : expectedPixelRects()) {
            QCOMPARE(windowRect(game.control(controlName.toLatin1().constData())), rect);
        }
        // Letter rows step 32 / 64 / 56 pixels down, columns 40 across; digits 32 across.
        const int letterTops[] = {40, 72, 136, 168, 232, 264, 320, 352, 408, 440};
        for (Cell cell : BoardState::cells()) {
            const QWidget* holder = game.control(BoardState::holderOf(cell).data());
            const int column = BoardState::columnOf(cell);
            const QRect expected =
                BoardState::areaOf(cell) == Area::NumberArea
                    ? QRect(400 + 32 * column, 80, 33, 33)
                    : QRect(16 + 40 * column, letterTops[BoardState::rowOf(cell)], 33, 33);
            QCOMPARE(windowRect(holder), expected);
            QVERIFY(holder->isVisible());
        }

        for (const char* hidden : {"Picture28", "Picture63", "Picture45", "Picture46"}) {
            QVERIFY(!game.control(hidden)->isVisible());
            QVERIFY(game.control(hidden)->isHidden());
        }
        // The seven frame controls are children of the frame.
        for (const char* inFrame :
             {"Option1", "Option2", "Option3", "Command1", "Command2", "Picture45", "Picture46"}) {
            QCOMPARE(game.control(inFrame)->parentWidget(), game.control("Frame1"));
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
        QVERIFY(window.findChild<QWidget*>("Picture45")->isHidden());
    }

    void captionsAreExact() {
        TestGame game;
        const std::pair<const char*, const char*> captions[] = {
            {"Label1", "Letters"},
            {"Label2", "Numbers"},
            {"Label3", "Count"},
            {"Label4", "For more information press F1 key"},
            {"Label6", "Seconds"},
            {"Option1", "English Numbers only"},
            {"Option2", "English Letters only"},
            {"Option3", "Both Letters and Numbers"},
            {"Command1", "Shuffle"},
            {"Command2", "About"},
            {"Command5", "< | >"},
        };
        for (const auto& [control, caption] : captions) {
            QCOMPARE(game.control(control)->property("text").toString(), QString(caption));
        }
        QCOMPARE(game.control<QGroupBox>("Frame1")->title(),
                 QStringLiteral("    Difficulty Levels    "));
        for (QPushButton* button : game.window.findChildren<QPushButton*>()) {
            QVERIFY(!button->isDefault());
            QVERIFY(!button->autoDefault());
        }
    }

    // Colours come from the program's own classic scheme, even under a dark desktop theme.
    void coloursFollowTheirRolesWhateverTheTheme() {
        const QPalette previous = QApplication::palette();
        QPalette dark(QColor(30, 30, 30), QColor(20, 20, 20));
        dark.setColor(QPalette::Base, QColor(10, 10, 10));
        dark.setColor(QPalette::Text, QColor(0, 40, 40));
        dark.setColor(QPalette::WindowText, QColor(0, 40, 40));
        QApplication::setPalette(dark);
        TestGame game;
        QApplication::setPalette(previous);

        const QColor desktop(0, 128, 128), navy(0, 0, 128), black(0, 0, 0), white(255, 255, 255),
            face(192, 192, 192), cyan(0, 255, 255);
        const auto colours = [&](const char* control, QPalette::ColorRole background,
                                 QPalette::ColorRole text) {
            const QPalette& p = game.control(control)->palette();
            return std::pair{p.color(background), p.color(text)};
        };
        using P = QPalette;
        QCOMPARE(game.window.palette().color(P::Window), desktop);
        QCOMPARE(colours("Label1", P::Window, P::WindowText), std::pair(face, black));
        QCOMPARE(colours("Label2", P::Window, P::WindowText), std::pair(face, black));
        QCOMPARE(colours("Label3", P::Window, P::WindowText), std::pair(desktop, navy));
        QCOMPARE(colours("Label6", P::Window, P::WindowText), std::pair(desktop, navy));
        QCOMPARE(colours("Label4", P::Window, P::WindowText), std::pair(desktop, white));
        QCOMPARE(colours("Label5", P::Window, P::WindowText), std::pair(black, cyan));
        QCOMPARE(colours("Text1", P::Base, P::Text), std::pair(black, cyan));
        QCOMPARE(colours("Frame1", P::Window, P::WindowText), std::pair(face, black));
        QCOMPARE(colours("Option2", P::Window, P::WindowText), std::pair(face, black));
        QCOMPARE(colours("Command1", P::Button, P::ButtonText), std::pair(face, black));
        QCOMPARE(colours("Command5", P::Button, P::ButtonText), std::pair(face, black));
        QCOMPARE(game.control("Line2")->palette().color(P::Window), white);
        QCOMPARE(game.control("Picture4")->palette().color(P::Window), desktop);
        QCOMPARE(game.control("Picture64")->palette().color(P::Window), face);
        for (QLabel* label : game.window.findChildren<QLabel*>()) {
            QVERIFY2(label->autoFillBackground(), "labels are opaque");
            // Every text from the top; only the seconds figure stands at the right of its band.
            const bool right = label->objectName() == QLatin1String("Label5");
            QCOMPARE(label->alignment(), (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        }
    }

    void fontsFollowTheirRolesAndCaptionsFit() {
        TestGame game;
        QVERIFY(game.showActive());
        const QFont windowFont = game.control("Label1")->font();
        QCOMPARE(windowFont.family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(windowFont.pointSizeF(), 8.25);
        QCOMPARE(windowFont.weight(), QFont::Normal);
        for (const char* bold : {"Label3", "Label6"}) {
            QCOMPARE(game.control(bold)->font().family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(game.control(bold)->font().weight(), QFont::Bold);
        }
        const QFont readout = game.control("Label5")->font();
        QCOMPARE(readout.family(), QStringLiteral("Arial"));
        QCOMPARE(readout.pointSizeF(), 21.75);
        QCOMPARE(readout.weight(), QFont::Normal);
        // Whichever face stands in, it is a real sans face at the classic pixel sizes.
        QCOMPARE(QFontInfo(windowFont).pixelSize(), 11);
        QCOMPARE(QFontInfo(readout).pixelSize(), 29);

        for (const ControlSpec& controlSpec : WindowLayout::controls()) {
            if (controlSpec.caption.empty())
                continue;
            const QWidget* widget = game.control(controlSpec.name.data());
            const test::CaptionFit fit = test::measureCaption(*widget, name(controlSpec.caption));
            QVERIFY2(fit.width <= fit.room, controlSpec.name.data());
            QVERIFY2(fit.height <= fit.roomHeight, controlSpec.name.data());
        }
        // The seconds figure fits its band from the top, the widest plausible value included.
        const QFontMetrics readoutMetrics(readout);
        const QRect ink = readoutMetrics.tightBoundingRect(QStringLiteral("-86399.99"));
        QVERIFY(readoutMetrics.ascent() + ink.bottom() < 33);
        QVERIFY(ink.width() < 281);
    }

    // Tab visits the controls by tab index and Shift+Tab the same in reverse; the option group is
    // one stop, at its selection, whether that was made from code at start-up, by an arrow key
    // or by the mouse.
    void tabWalksTheFocusOrder() {
        TestGame game;
        QVERIFY(game.showActive());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Picture1"));
        walkBothWays(game, "Option1");
        if (QTest::currentTestFailed())
            return;

        game.control("Option1")->setFocus();
        game.key(Qt::Key_Down);
        walkBothWays(game, "Option2");
        if (QTest::currentTestFailed())
            return;

        game.click(game.control("Option3"));
        walkBothWays(game, "Option3");
    }

private:
    // The whole focus cycle from Picture1, with `option` as the group's stop.
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
        cycle << "Picture64"
              << "Command5";
        range(73, 81);
        cycle << "Picture27"
              << "Text1" << option << "Command1"
              << "Picture82"
              << "Command2"
              << "Picture19";
        return cycle;
    }

    static void walkBothWays(TestGame& game, const QString& option) {
        const QStringList cycle = focusCycle(option);
        const auto walk = [&game, &cycle](Qt::Key key) {
            game.control("Picture1")->setFocus();
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
#include "WindowLayoutTest.moc"
