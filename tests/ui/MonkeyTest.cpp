// A long seeded run of random events against the window: clicks, double-clicks, drags, right
// clicks, keys and typing, with every modal box dismissed in one of the ways a player could.
// After every event the window's game must agree with a shadow game fed the operations those
// events should raise, and the window must show it. Where a click lands is worked out from the
// window's rectangles, not asked of Qt.
//
// MORVANE_MONKEY_SEED picks the run (the seed is always printed); MORVANE_MONKEY_EVENTS its
// length. A failure names the seed, the event index and the last few events.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/BoardState.h"
#include "core/Game.h"
#include "tests/support/BoardChecks.h"
#include "tests/ui/GoldenWindow.h"
#include "tests/ui/UiTestSupport.h"
#include "tests/ui/WindowPixels.h"
#include "ui/controls/PictureHolder.h"

// Like QVERIFY2, but the message, which names the seed and the last events, is built only on
// failure: the checks run after every one of thousands of events.
#define MONKEY_VERIFY(condition, message)                                   \
    do {                                                                    \
        if (!(condition)) {                                                 \
            QTest::qFail(qPrintable(failure(message)), __FILE__, __LINE__); \
            return;                                                         \
        }                                                                   \
    } while (false)

using namespace morvane;
using morvane::test::TestGame;
namespace golden = morvane::test::golden;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr int kDefaultEvents = 20000;

// One controller operation, as the window should have raised it.
struct Operation {
    QString kind;  // "cell", "< | >", "Shuffle", "About" or "option"
    std::function<void(GameController&)> apply;
};

// What a left click on the control `name` raises, if anything.
std::optional<Operation> boundTo(const QString& name) {
    const auto selecting = [](Level level) {
        return Operation{"option", [level](GameController& c) { c.selectLevel(level); }};
    };
    static const std::map<QString, Operation> kButtons{
        {golden::kExchangeButton, {"< | >", &GameController::exchangeHands}},
        {golden::kShuffleButton, {"Shuffle", &GameController::shuffle}},
        {golden::kAboutButton, {"About", &GameController::aboutClosed}},
        {golden::levelOption(Level::NumbersOnly), selecting(Level::NumbersOnly)},
        {golden::levelOption(Level::LettersOnly), selecting(Level::LettersOnly)},
        {golden::levelOption(Level::LettersAndNumbers), selecting(Level::LettersAndNumbers)}};
    if (const auto cell = BoardState::cellByHolder(name.toStdString()))
        return Operation{"cell", [cell = *cell](GameController& c) { c.clickCell(cell); }};
    const auto button = kButtons.find(name);
    return button != kButtons.end() ? std::optional(button->second) : std::nullopt;
}

QChar letter(Tile tile) {
    return tile.isBlank() ? '_' : tile.character();
}

// A game as the window should show it: the readouts, the option of each level, marked when it
// is the current one, and the 64 places, cells in the board's order then the two hands.
QString stateOf(const Game& game) {
    QString places, options;
    for (Cell cell : BoardState::cells())
        places += letter(game.board().tileAt(cell));
    places += letter(game.board().tileInHand(Hand::LetterHand));
    places += letter(game.board().tileInHand(Hand::NumberHand));
    for (Level level : kAllLevels)
        options += game.controller().currentLevel() == level ? '1' : '0';
    return QStringLiteral("count %1, seconds %2, options %3, places %4")
        .arg(QString::fromStdString(game.readouts().countText()),
             QString::fromStdString(game.readouts().elapsedText()), options, places);
}

class Monkey {
public:
    Monkey(TestGame& game, std::uint64_t seed)
        : game_(game), controls_(game.window.controls()), seed_(seed), engine_(seed) {
        shadow_.controller().startUp();
        // Buttons and options six times as often as a cell; the hidden holders, over which a
        // click must reach what is drawn, twice.
        for (const golden::Control& control : golden::kControls) {
            const int times = control.visible ? (boundTo(control.name) ? 6 : 1) : 2;
            aims_.insert(aims_.end(), times, control.rect);
        }
        for (Cell cell : BoardState::cells())
            aims_.push_back(golden::cellRect(cell));
        // Closes every modal box as soon as its nested loop runs.
        QObject::connect(&boxPoll_, &QTimer::timeout, &boxPoll_, [this] { dismissBox(); });
        boxPoll_.start(0);
    }

    void run(int events) {
        // Which shared pixmap stands for which tile, from the solved first frame, whose painted
        // pictures show that each is its tile's artwork.
        for (Cell cell : BoardState::cells())
            tileOfPicture_.insert_or_assign(controls_.holderFor(cell)->picture()->cacheKey(),
                                            GlyphTile(cell.homeCharacter()));
        tileOfPicture_.insert_or_assign(controls_.letterHandView->picture()->cacheKey(), BlankTile);
        QCOMPARE(static_cast<int>(tileOfPicture_.size()), Tile::kCount);
        checkPaintedAndLaidOut();
        for (index_ = 0; index_ < events && !QTest::currentTestFailed(); ++index_) {
            step();
            if (index_ % 1000 == 999 && !QTest::currentTestFailed())
                checkPaintedAndLaidOut();
        }
        QStringList tally;
        for (auto kind = tally_.cbegin(); kind != tally_.cend(); ++kind)
            tally << QStringLiteral("%1 %2").arg(kind.key()).arg(kind.value());
        qInfo("monkey: %d events, final count %lld; %s", index_,
              static_cast<long long>(shadow_.readouts().moveCount()), qPrintable(tally.join(", ")));
        // Every kind of counted event must have happened in a full run, or it proves little.
        if (QTest::currentTestFailed() || events < kDefaultEvents)
            return;
        for (const char* kind :
             {"cell by click", "cell by double-click", "< | >", "Shuffle", "About",
              "option by click", "option by arrow", "by Space", "by Return", "help box"}) {
            QVERIFY2(tally.join(';').contains(QLatin1String(kind)),
                     qPrintable(QStringLiteral("no %1 in seed %2 run").arg(kind).arg(seed_)));
        }
    }

private:
    QWidget& window() { return game_.window; }
    QWindow* handle() { return game_.window.windowHandle(); }
    QWidget* focus() { return window().focusWidget(); }
    QString focusName() { return focus() != nullptr ? focus()->objectName() : "nothing"; }

    // Uniform enough for choosing events; unlike the standard distributions, the same on every
    // standard library, so a seed names the same run everywhere.
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

    void step() {
        // A window manager gives the keyboard back to the window when a box closes; the
        // offscreen platform has none, so the monkey does it.
        if (QApplication::activeWindow() != &window()) {
            window().activateWindow();
            QCoreApplication::processEvents();
            MONKEY_VERIFY(
                QApplication::activeWindow() == &window() || QTest::qWaitForWindowActive(&window()),
                "the window cannot be activated");
        }
        // The clock moves only between events; both games read the same time.
        game_.clock.advance(static_cast<float>(below(12)) * 0.25F);
        shadowClock_.setNow(game_.clock.now());

        // Each kind of event by its share of a hundred: the mouse's four, then keys by the names
        // QKeySequence reads, then typing.
        static constexpr int kShares[] = {38, 7, 4, 3, 8, 3, 2, 8, 4, 3, 3, 3, 1, 2, 2, 9};
        static constexpr const char* kEvents[] = {
            "click",     "double-click", "drag",   "right click", "Tab",  "Backtab",
            "Shift+Tab", "Space",        "Up",     "Left",        "Down", "Right",
            "F1",        "Escape",       "Return", "typing"};
        static_assert(std::size(kShares) == std::size(kEvents));
        std::size_t event = 0;
        for (int roll = below(100); (roll -= kShares[event]) >= 0;)
            ++event;
        const QString name = QLatin1String(kEvents[event]);
        const QKeyCombination k = QKeySequence(name, QKeySequence::PortableText)[0];
        helpAsked_ = k.key() == Qt::Key_F1 && QApplication::activeWindow() == &window();
        if (helpAsked_)
            ++tally_["help box"];
        std::vector<Operation> ops;
        if (event < 4)
            ops = mouse(name);
        else if (name == "typing")
            type();
        else
            ops = key(k, name);
        closePopups();

        // The shadow game closes each About box when the window's closed. F1 is a shortcut of
        // the active window; without its help file it says so in a box.
        QStringList expected;
        for (const Operation& op : ops) {
            if (op.kind == "About") {
                expected << QStringLiteral("AboutBox");
                shadowClock_.setNow(boxClosedAt_.value(expected.size() - 1, shadowClock_.now()));
            }
            op.apply(shadow_.controller());
        }
        if (helpAsked_)
            expected << QStringLiteral("HelpFailureBox");
        const QStringList shown = std::exchange(shownBoxes_, {});
        boxClosedAt_.clear();
        MONKEY_VERIFY(shown == expected, QStringLiteral("boxes shown: [%1], expected [%2]")
                                             .arg(shown.join(", "), expected.join(", ")));
        check();
    }

    // The events, each returning the operations it should raise.

    // A third of the points anywhere in the window; the rest on or just beside a control, so
    // that cells, buttons, options and the seams and edges between them are hit often.
    QPoint randomPoint() {
        const QSize size = golden::kWindowSize;
        if (chance(33))
            return {below(size.width()), below(size.height())};
        const QRect aim = aims_[static_cast<std::size_t>(below(static_cast<int>(aims_.size())))];
        const QRect area = aim.adjusted(-2, -2, 2, 2);
        return {std::clamp(between(area.left(), area.right()), 0, size.width() - 1),
                std::clamp(between(area.top(), area.bottom()), 0, size.height() - 1)};
    }

    static QString describe(QPoint p) {
        const QString name = golden::controlAt(p);
        return QStringLiteral("%1,%2 on %3").arg(p.x()).arg(p.y()).arg(name.isEmpty() ? "-" : name);
    }

    std::vector<Operation> raised(const std::optional<Operation>& op, const QString& how,
                                  std::size_t times = 1) {
        if (!op)
            return {};
        ++tally_[op->kind + " by " + how];
        return std::vector<Operation>(times, *op);
    }

    // A press and a release at the same point or elsewhere: a left click on a control that is
    // bound raises its operation if the release is still within its rectangle. The second press
    // of a double-click reaches a cell as a double-click, which has no binding; a button or an
    // option takes it as a second press, and so a second click.
    std::vector<Operation> mouse(const QString& how) {
        const QPoint from = randomPoint();
        const QPoint to = how == "drag" ? randomPoint() : from;
        record(how + " at " + describe(from) + (to != from ? " to " + describe(to) : QString()));
        const Qt::MouseButton button = how == "right click" ? Qt::RightButton : Qt::LeftButton;
        if (how == "double-click") {
            QTest::mouseDClick(handle(), button, {}, from);
        } else {
            QTest::mousePress(handle(), button, {}, from);
            QTest::mouseRelease(handle(), button, {}, to);
        }
        const QString pressed = golden::controlAt(from);
        if (how == "right click" || pressed.isEmpty() ||
            !golden::rect(pressed.toStdString()).contains(to))
            return {};
        const std::optional<Operation> op = boundTo(pressed);
        return raised(op, how, how == "double-click" && op && op->kind != "cell" ? 2 : 1);
    }

    // Space presses the focused button or option and Return a focused push button. An arrow
    // moves round the stacked level options, past the last to the first and back, selecting as
    // it goes, but only from the selected option: from one that merely has the focus it moves
    // the focus alone.
    std::vector<Operation> key(QKeyCombination combination, const QString& name) {
        const Qt::Key k = combination.key();
        std::optional<Operation> op;
        if (k == Qt::Key_Space ? qobject_cast<QAbstractButton*>(focus()) != nullptr
                               : k == Qt::Key_Return && qobject_cast<QPushButton*>(focus()))
            op = boundTo(focusName());
        const auto& options = controls_.levelOptions;
        const auto n = std::ssize(options);
        const auto at = std::ranges::find(options, focus()) - options.begin();
        const bool back = k == Qt::Key_Up || k == Qt::Key_Left;
        if ((back || k == Qt::Key_Down || k == Qt::Key_Right) && at < n && options[at]->isChecked())
            op = boundTo(options[(at + (back ? n - 1 : 1)) % n]->objectName());
        record(QStringLiteral("%1 on %2").arg(name, focusName()));
        countTyped_ = countTyped_ || (k == Qt::Key_Space && focus() == controls_.countReadout);
        QTest::keyClick(handle(), k, combination.keyboardModifiers());
        return raised(op, op && op->kind == "option" && k != Qt::Key_Space ? "arrow" : name);
    }

    void type() {
        if (chance(50))
            controls_.countReadout->setFocus(Qt::OtherFocusReason);
        static constexpr char kTyped[] = "AZaz09mM7.,-+=/?!";
        QString text;
        for (int n = between(1, 4); n > 0; --n)
            text += kTyped[below(static_cast<int>(sizeof kTyped) - 1)];
        record(QStringLiteral("typing \"%1\" on %2").arg(text, focusName()));
        countTyped_ = countTyped_ || focus() == controls_.countReadout;
        for (QChar c : text)
            QTest::keyClick(handle(), c.toLatin1());
    }

    // The count box's context menu is a popup, not a modal box; close it before the next event
    // so that event reaches the window.
    void closePopups() {
        for (int tries = 0; tries < 5 && QApplication::activePopupWidget() != nullptr; ++tries) {
            QWidget* popup = QApplication::activePopupWidget();
            chance(50) ? QTest::keyClick(popup, Qt::Key_Escape) : void(popup->close());
            QCoreApplication::processEvents();
        }
    }

    // After a random pause on the game's clock, closes the box by one of the ways a player
    // could, and remembers when.
    void dismissBox() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        game_.clock.advance(0.25F * static_cast<float>(between(1, 8)));
        shownBoxes_ << modal->objectName();
        boxClosedAt_ << game_.clock.now();
        test::dismiss(modal, static_cast<test::Dismissal>(below(5)));
    }

    // What the window shows, in the terms of stateOf(); whatever was typed into the count box
    // stands until the next action overwrites it.
    QString shownState() {
        QString places, options;
        const auto add = [&](const PictureHolder* holder) {
            const QPixmap* picture = holder->picture();
            const auto tile = picture != nullptr ? tileOfPicture_.find(picture->cacheKey())
                                                 : tileOfPicture_.end();
            places += tile != tileOfPicture_.end() ? letter(tile->second) : QChar('?');
        };
        for (Cell cell : BoardState::cells())
            add(controls_.holderFor(cell));
        add(controls_.letterHandView);
        add(controls_.numberHandView);
        for (const QRadioButton* option : controls_.levelOptions)
            options += option->isChecked() ? '1' : '0';
        const PlayReadouts& readouts = game_.window.game().readouts();
        countTyped_ = countTyped_ && readouts.moveCount() == countAtLastCheck_;
        countAtLastCheck_ = readouts.moveCount();
        const QString count = countTyped_ ? QString::fromStdString(readouts.countText())
                                          : controls_.countReadout->text();
        return QStringLiteral("count %1, seconds %2, options %3, places %4")
            .arg(count, controls_.elapsedReadout->text(), options, places);
    }

    void check() {
        MONKEY_VERIFY(QApplication::activeModalWidget() == nullptr, "a box is open");
        MONKEY_VERIFY(QApplication::activePopupWidget() == nullptr, "a menu is open");
        // The window's game followed exactly the operations its events should have raised, and
        // the window shows it.
        const QString expected = stateOf(shadow_);
        const QString game = stateOf(game_.window.game());
        MONKEY_VERIFY(game == expected, "game at " + game + ",\n  expected " + expected);
        const QString shown = shownState();
        MONKEY_VERIFY(shown == game, "window shows " + shown + ",\n  game at " + game);
        const auto fault = test::tileConservationFault(game_.window.game().board());
        MONKEY_VERIFY(!fault, QString::fromStdString(*fault));
        MONKEY_VERIFY(
            controls_.letterHandStore->picture() == controls_.letterHandView->picture() &&
                controls_.numberHandStore->picture() == controls_.numberHandView->picture(),
            "a hand's store differs from its view");
        // The focus only ever rests on a control that takes it.
        MONKEY_VERIFY(
            focus() == nullptr || (focus()->isVisible() && focus()->focusPolicy() != Qt::NoFocus &&
                                   qobject_cast<QLabel*>(focus()) == nullptr),
            "focus on " + focusName());
    }

    // What is painted, not just what is set; and play moves, resizes, hides and renames no
    // control.
    void checkPaintedAndLaidOut() {
        const QString wrong =
            test::boardPaintMismatch(test::grabWindow(window()), game_.window.game().board());
        MONKEY_VERIFY(wrong.isEmpty(), "a holder paints " + wrong);
        const QStringList moved = golden::layoutDifferences(window());
        MONKEY_VERIFY(moved.isEmpty(), moved.join("; "));
    }

    void record(const QString& event) {
        recent_.push_back(QStringLiteral("#%1 %2").arg(index_).arg(event));
        if (recent_.size() > 8)
            recent_.pop_front();
    }

    QString failure(const QString& what) const {
        const QStringList last(recent_.begin(), recent_.end());
        return QStringLiteral(
                   "seed %1 (MORVANE_MONKEY_SEED=%1 repeats it), event %2: %3\n"
                   "  last events:\n    %4")
            .arg(seed_)
            .arg(index_)
            .arg(what, last.join(QStringLiteral("\n    ")));
    }

    TestGame& game_;
    const WindowControls& controls_;
    std::uint64_t seed_;
    std::mt19937_64 engine_;
    test::FakeClock shadowClock_{game_.clock.now()};
    Game shadow_{shadowClock_, "."};
    std::vector<QRect> aims_;
    std::map<qint64, Tile> tileOfPicture_;
    QTimer boxPoll_;
    QStringList shownBoxes_;
    QList<float> boxClosedAt_;
    std::deque<QString> recent_;
    QMap<QString, int> tally_;
    MoveCount countAtLastCheck_ = 1;
    bool countTyped_ = false;
    bool helpAsked_ = false;
    int index_ = 0;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyApplicationLook();
        // Every message box asks the offscreen platform for size hints it cannot pass on, and
        // says so; hundreds of boxes would bury the run's own report.
        static QtMessageHandler forward = nullptr;
        forward = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                    forward(type, context, message);
            });
    }

    void randomEventsKeepWindowAndGameInStep() {
        bool ok = false;
        std::uint64_t seed = qEnvironmentVariable("MORVANE_MONKEY_SEED").toULongLong(&ok, 0);
        seed = ok ? seed : kDefaultSeed;
        int events = qEnvironmentVariableIntValue("MORVANE_MONKEY_EVENTS", &ok);
        events = ok && events > 0 ? events : kDefaultEvents;
        qInfo("monkey: seed %llu (set MORVANE_MONKEY_SEED to repeat or vary), %d events",
              static_cast<unsigned long long>(seed), events);

        TestGame game;
        QVERIFY(game.showActive());
        Monkey(game, seed).run(events);
    }
};

QTEST_MAIN(MonkeyTest)
#include "tests/ui/MonkeyTest.moc"
