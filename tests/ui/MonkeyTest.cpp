// A long seeded run of random clicks and keys against the window. After every event the window
// must agree with a second controller fed the operations those events should have raised, and
// every holder must show its place's tile.
//
// MORVANE_MONKEY_SEED picks the run (the seed is always printed); MORVANE_MONKEY_EVENTS its
// length. A failure names the seed, the event index and the last few events.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <algorithm>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "assets/TileArtwork.h"
#include "core/BoardState.h"
#include "core/Game.h"
#include "tests/support/BoardChecks.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/controls/PictureHolder.h"
#include "ui/window/TilePixmaps.h"
#include "ui/window/WindowLayout.h"

// Like QVERIFY2 inside the monkey, but the message, which names the seed and the last events,
// is built only on failure: checks run after every one of thousands of events.
#define MONKEY_VERIFY(condition, message)                                   \
    do {                                                                    \
        if (!(condition)) {                                                 \
            QTest::qFail(qPrintable(failure(message)), __FILE__, __LINE__); \
            return;                                                         \
        }                                                                   \
    } while (false)

using namespace morvane;
using morvane::test::FakeClock;
using morvane::test::TestGame;

namespace {

constexpr std::uint64_t kDefaultSeed = 20240611;
constexpr int kDefaultEvents = 20000;

std::uint64_t seedFromEnvironment() {
    bool ok = false;
    const std::uint64_t seed = qEnvironmentVariable("MORVANE_MONKEY_SEED").toULongLong(&ok, 0);
    return ok ? seed : kDefaultSeed;
}

int eventCountFromEnvironment() {
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("MORVANE_MONKEY_EVENTS", &ok);
    return ok && events > 0 ? events : kDefaultEvents;
}

QtMessageHandler forwardMessage = nullptr;

// Every message box asks the offscreen platform for size hints it cannot pass on, and says so;
// hundreds of boxes would bury the run's own report.
void dropSizeHintNoise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    forwardMessage(type, context, message);
}

// Where a control lies in the window, in pixels at 96 DPI, from the layout table rather than
// from the widgets: a button or an option takes a press anywhere in its rectangle.
QRect layoutRect(const QWidget* control) {
    constexpr int kTwipsPerPixel = 15;
    const auto pixels = [](TwipRect r) {
        return QRect(r.left / kTwipsPerPixel, r.top / kTwipsPerPixel, r.width / kTwipsPerPixel,
                     r.height / kTwipsPerPixel);
    };
    const auto specNamed = [](const QString& name) {
        const auto controls = WindowLayout::controls();
        return *std::ranges::find_if(controls, [&name](const ControlSpec& controlSpec) {
            return QLatin1String(controlSpec.name.data(), controlSpec.name.size()) == name;
        });
    };
    const ControlSpec& controlSpec = specNamed(control->objectName());
    QRect rect = pixels(controlSpec.rect);
    if (controlSpec.container == Container::Frame1)
        rect.translate(pixels(specNamed(QStringLiteral("Frame1")).rect).topLeft());
    return rect;
}

// One controller operation, as the window should have raised it.
struct Operation {
    enum Kind { ClickCell, ExchangeHands, Shuffle, About, SelectLevel } kind;
    Cell cell = Cell::fromIndex(0);
    Level level = Level::NumbersOnly;
};

// Uniform enough for choosing events; unlike the standard distributions, the same on every
// standard library, so a seed names the same run everywhere.
class Dice {
public:
    explicit Dice(std::uint64_t seed) : engine_(seed) {}
    int below(int n) { return static_cast<int>(engine_() % static_cast<std::uint64_t>(n)); }
    int between(int low, int high) { return low + below(high - low + 1); }
    bool chance(int percent) { return below(100) < percent; }

private:
    std::mt19937_64 engine_;
};

// A modal box that was shown, and the clock's time when the player closed it.
struct ShownBox {
    QString name;
    float closedAt;
};

// Closes every modal box as soon as its nested loop runs, each time by a randomly chosen way
// a player could and after a random pause on the game's clock, and remembers which boxes were
// shown.
class ModalDismisser : public QObject {
public:
    ModalDismisser(Dice& dice, FakeClock& clock) : dice_(dice), clock_(clock) {
        poll_.setInterval(0);
        connect(&poll_, &QTimer::timeout, this, [this] { dismissIfShown(); });
        poll_.start();
    }

    std::vector<ShownBox> takeShown() { return std::exchange(shown_, {}); }

private:
    void dismissIfShown() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        // The About box counts when it closes, with the seconds of that moment.
        clock_.advance(0.25F * static_cast<float>(dice_.between(1, 8)));
        shown_.push_back({modal->objectName(), clock_.now()});
        auto* box = qobject_cast<QMessageBox*>(modal);
        QAbstractButton* ok = box != nullptr ? box->buttons().value(0) : nullptr;
        switch (ok != nullptr ? dice_.below(5) : 4) {
            case 0:
                QTest::mouseClick(ok, Qt::LeftButton);
                break;
            case 1:
                QTest::keyClick(modal, Qt::Key_Escape);
                break;
            case 2:
                QTest::keyClick(modal, Qt::Key_Return);
                break;
            case 3:
                ok->setFocus();
                QTest::keyClick(ok, Qt::Key_Space);
                break;
            default:
                modal->windowHandle()->close();
                break;
        }
    }

    Dice& dice_;
    FakeClock& clock_;
    QTimer poll_;
    std::vector<ShownBox> shown_;
};

// A second game that receives exactly the operations the events should have raised.
struct ShadowGame {
    // Starts at the window's own start time, so both read the same seconds throughout.
    explicit ShadowGame(float startTime) : clock(startTime) { game.controller().startUp(); }

    FakeClock clock;
    Game game{clock, "."};

    void apply(const Operation& op) {
        GameController& controller = game.controller();
        switch (op.kind) {
            case Operation::ClickCell:
                controller.clickCell(op.cell);
                break;
            case Operation::ExchangeHands:
                controller.exchangeHands();
                break;
            case Operation::Shuffle:
                controller.shuffle();
                break;
            case Operation::About:
                controller.aboutClosed();
                break;
            case Operation::SelectLevel:
                controller.selectLevel(op.level);
                break;
        }
    }
};

QString describe(const Tile& tile) {
    return tile.isBlank() ? QStringLiteral("blank") : QString(QChar::fromLatin1(tile.character()));
}

class Monkey {
public:
    Monkey(TestGame& game, std::uint64_t seed)
        : game_(game),
          seed_(seed),
          dice_(seed),
          dismisser_(dice_, game.clock),
          shadow_(game.clock.now()) {}

    // Learns which shared pixmap stands for which tile from the solved first frame, and checks
    // that those pixmaps carry the tiles' artwork.
    void learnPictures() {
        const WindowControls& controls = game_.window.controls();
        const TilePixmaps reference;
        const auto learn = [&](const PictureHolder* holder, Tile tile) {
            QVERIFY(holder->picture() != nullptr);
            QCOMPARE(holder->picture()->toImage().convertToFormat(QImage::Format_RGB32),
                     reference.of(tile).toImage().convertToFormat(QImage::Format_RGB32));
            tileByPicture_.insert_or_assign(holder->picture()->cacheKey(), tile);
        };
        for (Cell cell : BoardState::cells())
            learn(controls.holderFor(cell), GlyphTile(cell.homeCharacter()));
        learn(controls.letterHandView, BlankTile);
        QCOMPARE(static_cast<int>(tileByPicture_.size()), Tile::kCount);
    }

    void snapshotControls() { controlsAtStart_ = controlStates(); }

    bool run(int events) {
        QElapsedTimer elapsed;
        elapsed.start();
        for (index_ = 0; index_ < events; ++index_) {
            step();
            if (QTest::currentTestFailed())
                return false;
            if (index_ % 1000 == 999) {
                checkPaintedPictures();
                checkControlsUnchanged();
                if (QTest::currentTestFailed())
                    return false;
            }
        }
        qInfo("monkey: %d events in %lld ms; %s", events, elapsed.elapsed(),
              qPrintable(statistics()));
        return true;
    }

    // Every kind of counted event must have happened, or the run proves little.
    void checkCoverage() {
        for (const char* kind :
             {"cell click", "cell double-click", "< | >", "Shuffle", "About", "option by mouse",
              "option by arrow", "button by Space", "button by Return", "help box"}) {
            QVERIFY2(tally_[kind] > 0, qPrintable(QStringLiteral("no %1 in seed %2 run")
                                                      .arg(QString::fromLatin1(kind))
                                                      .arg(seed_)));
        }
    }

private:
    QWidget& window() { return game_.window; }

    void step() {
        // A window manager gives the keyboard back to the window when a box closes; the
        // offscreen platform has none, so the monkey does it.
        if (QApplication::activeWindow() != &window()) {
            window().activateWindow();
            QCoreApplication::processEvents();
            MONKEY_VERIFY(
                QApplication::activeWindow() == &window() || QTest::qWaitForWindowActive(&window()),
                "the window cannot be activated");
            ++tally_["reactivation"];
        }

        // The clock moves only between events; both games read the same time.
        game_.clock.advance(static_cast<float>(dice_.below(12)) * 0.25F);
        shadow_.clock.setNow(game_.clock.now());

        expectedModals_.clear();
        std::vector<Operation> ops;
        const int roll = dice_.below(100);
        if (roll < 38)
            ops = click(randomPoint());
        else if (roll < 45)
            ops = doubleClick(randomPoint());
        else if (roll < 49)
            ops = drag(randomPoint(), randomPoint());
        else if (roll < 52)
            rightClick(randomPoint());
        else if (roll < 60)
            key(Qt::Key_Tab, "Tab");
        else if (roll < 65)
            backtab();
        else if (roll < 73)
            ops = buttonKey(Qt::Key_Space);
        else if (roll < 86)
            ops = arrow();
        else if (roll < 87)
            helpKey();
        else if (roll < 89)
            key(Qt::Key_Escape, "Escape");
        else if (roll < 91)
            ops = buttonKey(Qt::Key_Return);
        else
            type();

        closePopups();
        shownBoxes_ = dismisser_.takeShown();
        auto box = shownBoxes_.begin();
        for (const Operation& op : ops) {
            if (op.kind == Operation::About) {
                box = std::find_if(box, shownBoxes_.end(),
                                   [](const ShownBox& b) { return b.name == "AboutBox"; });
                if (box != shownBoxes_.end())
                    shadow_.clock.setNow((box++)->closedAt);
            }
            shadow_.apply(op);
            ++expectedCount_;
        }
        check();
    }

    // --- choosing where to click

    // A third of the points anywhere in the window; the rest on or just beside a control, so
    // that cells, buttons, options and the seams and edges between them are hit often.
    QPoint randomPoint() {
        const QRect client = window().rect();
        if (dice_.chance(33))
            return {dice_.below(client.width()), dice_.below(client.height())};
        const std::vector<QWidget*>& targets = clickTargets();
        const QWidget* target =
            targets[static_cast<std::size_t>(dice_.below(static_cast<int>(targets.size())))];
        const QRect area =
            QRect(target->mapTo(&window(), QPoint(0, 0)), target->size()).adjusted(-2, -2, 2, 2);
        const QPoint p(dice_.between(area.left(), area.right()),
                       dice_.between(area.top(), area.bottom()));
        return {std::clamp(p.x(), 0, client.width() - 1),
                std::clamp(p.y(), 0, client.height() - 1)};
    }

    // Weighted by repetition: every cell once, buttons and options several times each.
    const std::vector<QWidget*>& clickTargets() {
        if (!targets_.empty())
            return targets_;
        const WindowControls& c = game_.window.controls();
        for (PictureHolder* holder : c.cellHolders)
            targets_.push_back(holder);
        const auto add = [&](QWidget* widget, int times) {
            for (int i = 0; i < times; ++i)
                targets_.push_back(widget);
        };
        add(c.letterHandView, 3);
        add(c.numberHandView, 3);
        add(c.exchangeHandsButton, 8);
        add(c.shuffleButton, 8);
        add(c.aboutButton, 3);
        for (QRadioButton* option : c.levelOptions)
            add(option, 6);
        add(c.countReadout, 3);
        add(c.elapsedReadout, 2);
        // Beside the hand views and over the shuffle button lie hidden holders; a click there
        // must reach what is drawn.
        for (const char* hidden : {"Picture63", "Picture28", "Picture45", "Picture46"})
            add(game_.control(hidden), 2);
        for (const char* other : {"Label1", "Label2", "Label3", "Label4", "Label6", "Frame1",
                                  "Line1", "Line2", "Line3"})
            add(game_.control(other), 1);
        return targets_;
    }

    // --- predicting what an event raises

    // The operation bound to a left click landing on `target` at window point `p`, if any.
    std::optional<Operation> boundClick(QWidget* target, QPoint p) {
        if (auto* holder = qobject_cast<PictureHolder*>(target)) {
            if (const auto cell = BoardState::cellByHolder(holder->objectName().toStdString()))
                return Operation{Operation::ClickCell, *cell};
            return std::nullopt;  // the hand views
        }
        auto* button = qobject_cast<QAbstractButton*>(target);
        if (button == nullptr || !layoutRect(button).contains(p))
            return std::nullopt;
        return buttonOperation(button);
    }

    std::optional<Operation> buttonOperation(const QAbstractButton* button) {
        const QString name = button->objectName();
        if (name == "Command5")
            return Operation{Operation::ExchangeHands};
        if (name == "Command1")
            return Operation{Operation::Shuffle};
        if (name == "Command2") {
            expectedModals_ << QStringLiteral("AboutBox");
            return Operation{Operation::About};
        }
        for (Level level : kAllLevels) {
            if (button == game_.window.controls().optionFor(level))
                return Operation{Operation::SelectLevel, Cell::fromIndex(0), level};
        }
        return std::nullopt;
    }

    QWidget* widgetAt(QPoint p) {
        QWidget* hit = window().childAt(p);
        return hit != nullptr ? hit : &window();
    }

    QString nameAt(QPoint p) {
        QWidget* target = widgetAt(p);
        return target == &window() ? QStringLiteral("the window") : target->objectName();
    }

    void tallyOperation(const Operation& op, const char* how) {
        switch (op.kind) {
            case Operation::ClickCell:
                ++tally_[how];
                break;
            case Operation::ExchangeHands:
                ++tally_["< | >"];
                break;
            case Operation::Shuffle:
                ++tally_["Shuffle"];
                break;
            case Operation::About:
                ++tally_["About"];
                break;
            case Operation::SelectLevel:
                break;
        }
    }

    // --- the events

    std::vector<Operation> click(QPoint p) {
        QWidget* target = widgetAt(p);
        const auto op = boundClick(target, p);
        record(QStringLiteral("click at %1,%2 on %3").arg(p.x()).arg(p.y()).arg(nameAt(p)));
        QTest::mouseClick(window().windowHandle(), Qt::LeftButton, {}, p);
        if (!op)
            return {};
        tallyOperation(*op, "cell click");
        if (op->kind == Operation::SelectLevel)
            ++tally_["option by mouse"];
        return {*op};
    }

    // The second press of a double-click reaches a cell as a double-click, which has no
    // binding; a button takes it as a second press and so is clicked twice.
    std::vector<Operation> doubleClick(QPoint p) {
        QWidget* target = widgetAt(p);
        const auto op = boundClick(target, p);
        record(QStringLiteral("double-click at %1,%2 on %3").arg(p.x()).arg(p.y()).arg(nameAt(p)));
        QTest::mouseDClick(window().windowHandle(), Qt::LeftButton, {}, p);
        if (!op)
            return {};
        tallyOperation(*op, "cell double-click");
        if (op->kind == Operation::ClickCell)
            return {*op};
        if (op->kind == Operation::About)
            expectedModals_ << QStringLiteral("AboutBox");
        if (op->kind == Operation::SelectLevel)
            ++tally_["option by mouse"];
        return {*op, *op};
    }

    // Press at one point and release at another: a click only if the release is still within
    // the rectangle of the control that took the press.
    std::vector<Operation> drag(QPoint from, QPoint to) {
        QWidget* target = widgetAt(from);
        const bool clickable = qobject_cast<PictureHolder*>(target) != nullptr ||
                               qobject_cast<QAbstractButton*>(target) != nullptr;
        std::optional<Operation> op;
        if (clickable && layoutRect(target).contains(to))
            op = boundClick(target, from);
        record(QStringLiteral("drag from %1,%2 on %3 to %4,%5 on %6")
                   .arg(from.x())
                   .arg(from.y())
                   .arg(nameAt(from))
                   .arg(to.x())
                   .arg(to.y())
                   .arg(nameAt(to)));
        QTest::mousePress(window().windowHandle(), Qt::LeftButton, {}, from);
        QTest::mouseRelease(window().windowHandle(), Qt::LeftButton, {}, to);
        if (!op)
            return {};
        if (op->kind == Operation::SelectLevel)
            ++tally_["option by mouse"];
        return {*op};
    }

    void rightClick(QPoint p) {
        record(QStringLiteral("right click at %1,%2 on %3").arg(p.x()).arg(p.y()).arg(nameAt(p)));
        QTest::mouseClick(window().windowHandle(), Qt::RightButton, {}, p);
    }

    QWidget* keyTarget() { return window().focusWidget(); }

    QString keyTargetName() {
        QWidget* target = keyTarget();
        return target != nullptr ? target->objectName() : QStringLiteral("(none)");
    }

    void noteTextEdit() {
        if (keyTarget() == game_.window.controls().countReadout)
            countTextTyped_ = true;
    }

    void key(Qt::Key k, const char* name, Qt::KeyboardModifiers modifiers = {}) {
        record(QStringLiteral("%1 on %2").arg(QString::fromLatin1(name), keyTargetName()));
        QTest::keyClick(window().windowHandle(), k, modifiers);
    }

    void backtab() {
        if (dice_.chance(50))
            key(Qt::Key_Backtab, "Backtab");
        else
            key(Qt::Key_Tab, "Shift+Tab", Qt::ShiftModifier);
    }

    // Space presses the focused button or option; Return presses only a push button.
    std::vector<Operation> buttonKey(Qt::Key k) {
        const bool space = k == Qt::Key_Space;
        if (space)
            noteTextEdit();
        std::optional<Operation> op;
        auto* button = qobject_cast<QAbstractButton*>(keyTarget());
        if (button != nullptr && (space || qobject_cast<QPushButton*>(button) != nullptr))
            op = buttonOperation(button);
        key(k, space ? "Space" : "Return");
        if (!op)
            return {};
        tallyOperation(*op, "cell click");
        ++tally_[space ? "button by Space" : "button by Return"];
        return {*op};
    }

    // An arrow moves round the stacked level options, past the last to the first and back,
    // selecting as it goes, but only from the selected option: from one that merely has the
    // focus it moves the focus alone.
    std::vector<Operation> arrow() {
        static constexpr std::pair<Qt::Key, const char*> arrows[] = {{Qt::Key_Up, "Up"},
                                                                     {Qt::Key_Down, "Down"},
                                                                     {Qt::Key_Left, "Left"},
                                                                     {Qt::Key_Right, "Right"}};
        const auto& [k, name] = arrows[dice_.below(4)];
        std::optional<Operation> op;
        const auto& options = game_.window.controls().levelOptions;
        for (std::size_t i = 0; i < options.size(); ++i) {
            if (keyTarget() != options[i] || !options[i]->isChecked())
                continue;
            const std::size_t step = k == Qt::Key_Up || k == Qt::Key_Left ? options.size() - 1 : 1;
            const Level next = kAllLevels[(i + step) % options.size()];
            op = Operation{Operation::SelectLevel, Cell::fromIndex(0), next};
        }
        key(k, name);
        if (!op)
            return {};
        ++tally_["option by arrow"];
        return {*op};
    }

    void helpKey() {
        // F1 is a shortcut of the active window.
        if (QApplication::activeWindow() == &window()) {
            expectedModals_ << QStringLiteral("HelpFailureBox");
            ++tally_["help box"];
        }
        key(Qt::Key_F1, "F1");
    }

    void type() {
        if (dice_.chance(50))
            game_.window.controls().countReadout->setFocus(Qt::OtherFocusReason);
        static constexpr char kTyped[] = "AZaz09mM7.,-+=/?!";
        QString text;
        for (int n = dice_.between(1, 4); n > 0; --n)
            text += QChar::fromLatin1(kTyped[dice_.below(static_cast<int>(sizeof kTyped) - 1)]);
        record(QStringLiteral("typing \"%1\" on %2").arg(text, keyTargetName()));
        noteTextEdit();
        for (QChar c : text)
            QTest::keyClick(window().windowHandle(), c.toLatin1());
    }

    // The count box's context menu is a popup, not a modal box; close it before the next event
    // so that event reaches the window.
    void closePopups() {
        for (int tries = 0; tries < 5; ++tries) {
            QWidget* popup = QApplication::activePopupWidget();
            if (popup == nullptr)
                return;
            ++tally_["context menu"];
            if (dice_.chance(50))
                QTest::keyClick(popup, Qt::Key_Escape);
            else
                popup->close();
            QCoreApplication::processEvents();
        }
    }

    // --- checking

    void check() {
        const Game& game = game_.window.game();
        const BoardState& board = game.board();
        const WindowControls& controls = game_.window.controls();

        QStringList shown;
        for (const ShownBox& box : shownBoxes_)
            shown << box.name;
        MONKEY_VERIFY(shown == expectedModals_,
                      QStringLiteral("modal boxes shown: [%1], expected [%2]")
                          .arg(shown.join(", "), expectedModals_.join(", ")));
        MONKEY_VERIFY(QApplication::activeModalWidget() == nullptr, "a box is open");
        MONKEY_VERIFY(QApplication::activePopupWidget() == nullptr, "a menu is open");

        // The window's game followed exactly the operations its events should have raised.
        MONKEY_VERIFY(game.readouts().moveCount() == expectedCount_,
                      QStringLiteral("count %1, expected %2")
                          .arg(game.readouts().moveCount())
                          .arg(expectedCount_));
        const Game& shadow = shadow_.game;
        MONKEY_VERIFY(shadow.readouts().moveCount() == expectedCount_, "shadow count");
        MONKEY_VERIFY(game.controller().currentLevel() == shadow.controller().currentLevel(),
                      "level");
        MONKEY_VERIFY(game.readouts().elapsedText() == shadow.readouts().elapsedText(),
                      "elapsed text");
        for (Cell cell : BoardState::cells()) {
            MONKEY_VERIFY(
                board.tileAt(cell) == shadow.board().tileAt(cell),
                QStringLiteral("cell %1 holds %2, expected %3")
                    .arg(QChar::fromLatin1(cell.homeCharacter()))
                    .arg(describe(board.tileAt(cell)), describe(shadow.board().tileAt(cell))));
        }
        for (Hand hand : {Hand::LetterHand, Hand::NumberHand}) {
            MONKEY_VERIFY(board.tileInHand(hand) == shadow.board().tileInHand(hand),
                          "a hand holds the wrong tile");
        }

        // No tile is ever lost or doubled: each glyph once, the blank twice.
        const std::optional<std::string> fault = test::tileConservationFault(board);
        MONKEY_VERIFY(!fault, QString::fromStdString(*fault));

        // Every holder shows its place's tile; each hand's view and store agree.
        for (Cell cell : BoardState::cells()) {
            const PictureHolder* holder = controls.holderFor(cell);
            MONKEY_VERIFY(shows(holder) == board.tileAt(cell),
                          QStringLiteral("%1 does not show its tile").arg(holder->objectName()));
        }
        MONKEY_VERIFY(shows(controls.letterHandView) == board.tileInHand(Hand::LetterHand),
                      "Picture64 does not show the letter hand");
        MONKEY_VERIFY(shows(controls.numberHandView) == board.tileInHand(Hand::NumberHand),
                      "Picture27 does not show the number hand");
        MONKEY_VERIFY(controls.letterHandStore->picture() == controls.letterHandView->picture(),
                      "Picture63 differs from Picture64");
        MONKEY_VERIFY(controls.numberHandStore->picture() == controls.numberHandView->picture(),
                      "Picture28 differs from Picture27");

        // The readouts and the selected option. An action overwrites whatever was typed into
        // the count box.
        if (game.readouts().moveCount() != countAtLastCheck_)
            countTextTyped_ = false;
        countAtLastCheck_ = game.readouts().moveCount();
        const QString countText = QString::fromStdString(game.readouts().countText());
        MONKEY_VERIFY(countText == QString::number(expectedCount_), "count text");
        if (!countTextTyped_) {
            MONKEY_VERIFY(controls.countReadout->text() == countText,
                          QStringLiteral("Text1 shows \"%1\", count is %2")
                              .arg(controls.countReadout->text(), countText));
        }
        MONKEY_VERIFY(controls.elapsedReadout->text() ==
                          QString::fromStdString(game.readouts().elapsedText()),
                      "Label5 does not show the elapsed text");
        for (Level level : kAllLevels) {
            MONKEY_VERIFY(controls.optionFor(level)->isChecked() ==
                              (game.controller().currentLevel() == level),
                          "the checked option is not the current level");
        }

        // The focus only ever rests on a control that takes it.
        if (QWidget* focus = window().focusWidget()) {
            MONKEY_VERIFY(focus->isVisible() && focus->focusPolicy() != Qt::NoFocus &&
                              qobject_cast<QLabel*>(focus) == nullptr,
                          QStringLiteral("focus on %1").arg(focus->objectName()));
        }
    }

    std::optional<Tile> shows(const PictureHolder* holder) const {
        if (holder->picture() == nullptr)
            return std::nullopt;
        const auto found = tileByPicture_.find(holder->picture()->cacheKey());
        if (found == tileByPicture_.end())
            return std::nullopt;
        return found->second;
    }

    // What is painted, not just what is set: every visible holder's picture, pixel for pixel.
    void checkPaintedPictures() {
        const QImage painted = window().grab().toImage().convertToFormat(QImage::Format_RGB32);
        const WindowControls& controls = game_.window.controls();
        const BoardState& board = game_.window.game().board();
        std::vector<std::pair<const PictureHolder*, Tile>> holders;
        for (Cell cell : BoardState::cells())
            holders.emplace_back(controls.holderFor(cell), board.tileAt(cell));
        holders.emplace_back(controls.letterHandView, board.tileInHand(Hand::LetterHand));
        holders.emplace_back(controls.numberHandView, board.tileInHand(Hand::NumberHand));
        for (const auto& [holder, tile] : holders) {
            const TileImage& picture = TileArtwork::instance().imageOf(tile);
            const QPoint origin = holder->mapTo(&window(), holder->innerRect().topLeft());
            for (int y = 0; y < picture.height(); ++y) {
                for (int x = 0; x < picture.width(); ++x) {
                    const Rgb p = picture.pixel(x, y);
                    const QRgb expected = qRgb(p.red, p.green, p.blue);
                    MONKEY_VERIFY(painted.pixel(origin + QPoint(x, y)) == expected,
                                  QStringLiteral("%1 paints pixel %2,%3 wrong")
                                      .arg(holder->objectName())
                                      .arg(x)
                                      .arg(y));
                }
            }
        }
    }

    // Play changes pictures, readouts and the selected option, nothing else.
    void checkControlsUnchanged() {
        MONKEY_VERIFY(controlStates() == controlsAtStart_,
                      "a control moved, resized, changed its caption, "
                      "or was shown or hidden");
    }

    struct ControlState {
        QString name;
        QRect geometry;
        bool hidden;
        QString caption;
        friend bool operator==(const ControlState&, const ControlState&) = default;
    };

    std::vector<ControlState> controlStates() {
        std::vector<ControlState> states;
        for (QWidget* child : window().findChildren<QWidget*>()) {
            if (child->objectName().isEmpty() || child == game_.window.controls().countReadout ||
                child == game_.window.controls().elapsedReadout)
                continue;
            QVariant text = child->property("text");
            if (!text.isValid())
                text = child->property("title");
            states.push_back({child->objectName(), child->geometry(), child->isHidden(),
                              text.isValid() ? text.toString() : QString()});
        }
        return states;
    }

    // --- reporting

    void record(QString event) {
        recent_.push_back(QStringLiteral("#%1 %2").arg(index_).arg(event));
        if (recent_.size() > 8)
            recent_.pop_front();
    }

    QString failure(const QString& what) const {
        const QString where =
            QStringLiteral("seed %1 (MORVANE_MONKEY_SEED=%1 repeats it), event %2")
                .arg(seed_)
                .arg(index_);
        const QStringList last(recent_.begin(), recent_.end());
        return QStringLiteral("%1: %2\n  last events:\n    %3")
            .arg(where, what, last.join(QStringLiteral("\n    ")));
    }
    QString failure(const char* what) const { return failure(QString::fromLatin1(what)); }

    QString statistics() const {
        QStringList parts;
        for (const auto& [kind, n] : tally_)
            parts << QStringLiteral("%1 %2").arg(QString::fromStdString(kind)).arg(n);
        return QStringLiteral("final count %1; %2").arg(expectedCount_).arg(parts.join(", "));
    }

    TestGame& game_;
    std::uint64_t seed_;
    Dice dice_;
    ModalDismisser dismisser_;
    ShadowGame shadow_;
    std::vector<ShownBox> shownBoxes_;
    std::map<qint64, Tile> tileByPicture_;
    std::vector<QWidget*> targets_;
    std::vector<ControlState> controlsAtStart_;
    std::deque<QString> recent_;
    std::map<std::string, int> tally_;
    QStringList expectedModals_;
    MoveCount expectedCount_ = 1;  // start-up's own level selection
    MoveCount countAtLastCheck_ = 1;
    bool countTextTyped_ = false;
    int index_ = 0;
};

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyApplicationLook();
        forwardMessage = qInstallMessageHandler(dropSizeHintNoise);
    }

    void randomEventsKeepWindowAndGameInStep() {
        const std::uint64_t seed = seedFromEnvironment();
        const int events = eventCountFromEnvironment();
        qInfo("monkey: seed %llu (set MORVANE_MONKEY_SEED to repeat or vary), %d events",
              static_cast<unsigned long long>(seed), events);

        TestGame game;
        QVERIFY(game.showActive());
        Monkey monkey(game, seed);
        monkey.learnPictures();
        if (QTest::currentTestFailed())
            return;
        monkey.snapshotControls();
        if (!monkey.run(events))
            return;
        if (events >= kDefaultEvents)
            monkey.checkCoverage();
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
