// What a screen reader is told about the window, read through Qt's accessibility interfaces:
// names, descriptions, roles, the announcements of changes, and what stays out of reach.
#include <QAccessible>
#include <QSet>
#include <QtTest>

#include "core/BoardState.h"
#include "tests/ui/GoldenWindow.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/access/AccessibleText.h"
#include "ui/controls/PictureHolder.h"

#ifdef MORVANE_QT_PLATFORM_ACCESSIBILITY
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#endif

using namespace morvane;
using morvane::test::TestGame;
namespace golden = morvane::test::golden;

namespace {

QAccessibleInterface* accessibleOf(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface == nullptr)
        qFatal("no accessible interface for %s", qPrintable(widget->objectName()));
    return iface;
}

QString nameOf(QWidget* widget) {
    return accessibleOf(widget)->text(QAccessible::Name);
}

QString descriptionOf(QWidget* widget) {
    return accessibleOf(widget)->text(QAccessible::Description);
}

QAccessible::Role roleOf(QWidget* widget) {
    return accessibleOf(widget)->role();
}

#ifdef MORVANE_QT_PLATFORM_ACCESSIBILITY
// Hearing the window's announcements needs Qt's accessibility switched on, which only its
// private platform interface can do.

// Collects the objects of NameChanged events while it lives, in place of the platform's
// handler, which it puts back afterwards.
class NameChangeRecorder {
public:
    NameChangeRecorder() : previous_(QAccessible::installUpdateHandler(&record)) { active_ = this; }
    ~NameChangeRecorder() {
        QAccessible::installUpdateHandler(previous_);
        active_ = nullptr;
    }
    NameChangeRecorder(const NameChangeRecorder&) = delete;
    NameChangeRecorder& operator=(const NameChangeRecorder&) = delete;

    qsizetype count(const QObject* object) const { return changed_.count(object); }
    const QList<QObject*>& all() const { return changed_; }

private:
    static void record(QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged)
            active_->changed_.append(event->object());
    }

    static inline NameChangeRecorder* active_ = nullptr;
    QAccessible::UpdateHandler previous_;
    QList<QObject*> changed_;
};
#endif

// The objects a screen reader can reach by walking down from `root` through visible children.
void collectVisible(QAccessibleInterface* root, QSet<QObject*>& found) {
    for (int i = 0; i < root->childCount(); ++i) {
        QAccessibleInterface* child = root->child(i);
        if (child == nullptr || child->state().invisible)
            continue;
        found.insert(child->object());
        collectVisible(child, found);
    }
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        applyApplicationLook();
#ifdef MORVANE_QT_PLATFORM_ACCESSIBILITY
        // Qt passes accessibility events on only while its accessibility is on, which normally
        // happens when a screen reader connects; here the test switches it on itself.
        if (QPlatformAccessibility* platform =
                QGuiApplicationPrivate::platformIntegration()->accessibility())
            platform->setActive(true);
        QVERIFY(QAccessible::isActive());
#endif
    }

    void wording() {
        QSet<QString> names;
        for (int i = 0; i < Tile::kCount; ++i)
            names.insert(AccessibleText::tileName(Tile::fromIndex(i)));
        QCOMPARE(names.size(), Tile::kCount);  // no two tiles sound alike
        QCOMPARE(AccessibleText::tileName(GlyphTile('A')), QStringLiteral("capital A"));
        QCOMPARE(AccessibleText::tileName(GlyphTile('z')), QStringLiteral("small z"));
        QCOMPARE(AccessibleText::tileName(GlyphTile('0')), QStringLiteral("digit 0"));
        QCOMPARE(AccessibleText::tileName(BlankTile), QStringLiteral("empty"));
        QCOMPARE(AccessibleText::countName("12"), QStringLiteral("Count 12"));
        // A separator outside ASCII (Arabic, U+066B) arrives whole.
        QCOMPARE(AccessibleText::elapsedName("3\xd9\xab"
                                             "5"),
                 QStringLiteral("Seconds 3") + QChar(0x066B) + QLatin1Char('5'));
    }

    void startUpNamesEveryVisibleHolderAndReadout() {
        TestGame game;
        for (Cell cell : BoardState::cells()) {
            const char home = cell.homeCharacter();
            QWidget* holder = game.cellFor(home);
            QCOMPARE(nameOf(holder), AccessibleText::tileName(GlyphTile(home)));
            QCOMPARE(descriptionOf(holder),
                     QStringLiteral("cell of ") + AccessibleText::tileName(GlyphTile(home)));
            QCOMPARE(roleOf(holder), QAccessible::Button);
        }
        for (QWidget* view : {game.letterHandView(), game.numberHandView()}) {
            QCOMPARE(nameOf(view), QStringLiteral("empty"));
            QCOMPARE(roleOf(view), QAccessible::Graphic);
        }
        QCOMPARE(descriptionOf(game.letterHandView()), QStringLiteral("letter hand"));
        QCOMPARE(descriptionOf(game.numberHandView()), QStringLiteral("number hand"));
        // Named from the first redraw on; the box's text stays its value.
        const QString count = game.countReadout()->text();
        QCOMPARE(nameOf(game.countReadout()), QStringLiteral("Count ") + count);
        QCOMPARE(accessibleOf(game.countReadout())->text(QAccessible::Value), count);
        QCOMPARE(nameOf(game.secondsReadout()),
                 QStringLiteral("Seconds ") + game.secondsReadout()->text());
    }

#ifdef MORVANE_QT_PLATFORM_ACCESSIBILITY
    void cellClickAnnouncesOnlyWhatChanged() {
        TestGame game;
        QVERIFY(game.showActive());
        NameChangeRecorder changes;
        game.clock.advance(2.5F);
        game.click(game.cellFor('A'));
        QCOMPARE(nameOf(game.cellFor('A')), QStringLiteral("empty"));
        QCOMPARE(nameOf(game.letterHandView()), QStringLiteral("capital A"));
        QCOMPARE(nameOf(game.numberHandView()), QStringLiteral("empty"));
        QCOMPARE(nameOf(game.countReadout()), QStringLiteral("Count 2"));
        QCOMPARE(nameOf(game.secondsReadout()), QStringLiteral("Seconds 2.5"));
        const QList<QWidget*> changed{game.cellFor('A'), game.letterHandView(), game.countReadout(),
                                      game.secondsReadout()};
        for (QWidget* each : changed)
            QCOMPARE(changes.count(each), 1);
        QCOMPARE(changes.all().size(), 4);  // none for the 61 cells and the view that kept theirs
    }

    void handExchangeNamesBothViews() {
        TestGame game;
        QVERIFY(game.showActive());
        game.click(game.cellFor('7'));
        QCOMPARE(nameOf(game.numberHandView()), QStringLiteral("digit 7"));
        QCOMPARE(nameOf(game.cellFor('7')), QStringLiteral("empty"));

        NameChangeRecorder changes;
        game.click(game.exchangeButton());
        QCOMPARE(nameOf(game.letterHandView()), QStringLiteral("digit 7"));
        QCOMPARE(nameOf(game.numberHandView()), QStringLiteral("empty"));
        QCOMPARE(changes.count(game.letterHandView()), 1);
        QCOMPARE(changes.count(game.numberHandView()), 1);
        QCOMPARE(changes.count(game.cellFor('7')), 0);
    }

    void actionThatMovesNoTileAnnouncesOnlyTheCount() {
        TestGame game;
        QVERIFY(game.showActive());
        NameChangeRecorder changes;
        // The selected level again: counts, moves nothing.
        game.click(game.levelOption(Level::NumbersOnly));
        QCOMPARE(nameOf(game.countReadout()), QStringLiteral("Count 2"));
        QCOMPARE(changes.all(), QList<QObject*>{game.countReadout()});  // seconds still 0
    }

#endif

    void screenReaderCanPressCellsButNotHandViews() {
        TestGame game;
        QVERIFY(game.showActive());
        QAccessibleActionInterface* view = accessibleOf(game.letterHandView())->actionInterface();
        QVERIFY(!view->actionNames().contains(QAccessibleActionInterface::pressAction()));
        view->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(game.countText(), QStringLiteral("1"));

        QAccessibleActionInterface* cell = accessibleOf(game.cellFor('A'))->actionInterface();
        QVERIFY(cell->actionNames().contains(QAccessibleActionInterface::pressAction()));
        cell->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(nameOf(game.letterHandView()), QStringLiteral("capital A"));
        QCOMPARE(game.countText(), QStringLiteral("2"));
    }

    // "< | >" reads as words; the other buttons and the options by their captions.
    void buttonsAndOptionsReadWell() {
        TestGame game;
        QCOMPARE(nameOf(game.exchangeButton()), QStringLiteral("Exchange hands"));
        QCOMPARE(roleOf(game.exchangeButton()), QAccessible::Button);
        for (const char* button : {golden::kShuffleButton, golden::kAboutButton}) {
            QCOMPARE(nameOf(game.control(button)), golden::caption(button));
            QCOMPARE(roleOf(game.control(button)), QAccessible::Button);
        }
        for (const char* option : golden::kLevelOptions) {
            QCOMPARE(nameOf(game.control(option)), golden::caption(option));
            QCOMPARE(roleOf(game.control(option)), QAccessible::RadioButton);
        }
    }

    void hiddenHoldersAreOutOfReach() {
        TestGame game;
        QVERIFY(game.showActive());
        QSet<QObject*> reachable;
        collectVisible(accessibleOf(&game.window), reachable);
        for (PictureHolder* holder : game.window.controls().cellHolders)
            QVERIFY(reachable.contains(holder));
        for (QWidget* view : {game.letterHandView(), game.numberHandView()}) {
            QVERIFY(reachable.contains(view));
            QVERIFY(accessibleOf(view)->state().focusable);
        }
        for (const char* hidden : {golden::kLetterHandStore, golden::kNumberHandStore,
                                   golden::kHiddenOverShuffle[0], golden::kHiddenOverShuffle[1]}) {
            QWidget* holder = game.control(hidden);
            QVERIFY2(!reachable.contains(holder), hidden);
            QAccessibleInterface* iface = accessibleOf(holder);
            QVERIFY(iface->state().invisible);
            QVERIFY(!iface->state().focusable);
            QCOMPARE(iface->text(QAccessible::Name), QString());
            QVERIFY(iface->actionInterface()->actionNames().isEmpty());
        }
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tests/ui/AccessibilityTest.moc"
