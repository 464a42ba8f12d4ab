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

QWidget* cellHolder(TestGame& game, char home) {
    return game.window.controls().holderFor(*Cell::findByHome(home));
}

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
        QCOMPARE(AccessibleText::cellDescription(Cell::ofHome('g')),
                 QStringLiteral("cell of small g"));
        QCOMPARE(AccessibleText::cellDescription(Cell::ofHome('9')),
                 QStringLiteral("cell of digit 9"));
        QCOMPARE(AccessibleText::handDescription(Hand::NumberHand), QStringLiteral("number hand"));
        QCOMPARE(AccessibleText::countName("12"), QStringLiteral("Count 12"));
        // A separator outside ASCII (Arabic, U+066B) arrives whole.
        QCOMPARE(AccessibleText::elapsedName("3\xd9\xab"
                                             "5"),
                 QStringLiteral("Seconds 3") + QChar(0x066B) + QLatin1Char('5'));
    }

    void startUpNamesEveryVisibleHolderAndReadout() {
        TestGame game;
        for (Cell cell : BoardState::cells()) {
            QWidget* holder = game.window.controls().holderFor(cell);
            const char home = cell.homeCharacter();
            QCOMPARE(nameOf(holder), AccessibleText::tileName(GlyphTile(home)));
            QCOMPARE(descriptionOf(holder),
                     QStringLiteral("cell of ") + AccessibleText::tileName(GlyphTile(home)));
            QCOMPARE(roleOf(holder), QAccessible::Button);
        }
        QCOMPARE(nameOf(game.control("Picture4")), QStringLiteral("capital A"));
        QCOMPARE(nameOf(game.control("Picture79")), QStringLiteral("digit 7"));
        for (const char* view : {"Picture64", "Picture27"}) {
            QCOMPARE(nameOf(game.control(view)), QStringLiteral("empty"));
            QCOMPARE(roleOf(game.control(view)), QAccessible::Graphic);
        }
        QCOMPARE(descriptionOf(game.control("Picture64")), QStringLiteral("letter hand"));
        QCOMPARE(descriptionOf(game.control("Picture27")), QStringLiteral("number hand"));
        QAccessibleInterface* count = accessibleOf(game.control("Text1"));
        QCOMPARE(count->text(QAccessible::Name), QStringLiteral("Count 1"));
        QCOMPARE(count->text(QAccessible::Value), QStringLiteral("1"));
        QCOMPARE(nameOf(game.control("Label5")), QStringLiteral("Seconds 0"));
    }

#ifdef MORVANE_QT_PLATFORM_ACCESSIBILITY
    void cellClickAnnouncesOnlyWhatChanged() {
        TestGame game;
        QVERIFY(game.showActive());
        NameChangeRecorder changes;
        game.clock.advance(2.5F);
        game.click(game.control("Picture4"));
        QCOMPARE(nameOf(game.control("Picture4")), QStringLiteral("empty"));
        QCOMPARE(nameOf(game.control("Picture64")), QStringLiteral("capital A"));
        QCOMPARE(nameOf(game.control("Picture27")), QStringLiteral("empty"));
        QCOMPARE(nameOf(game.control("Text1")), QStringLiteral("Count 2"));
        QCOMPARE(nameOf(game.control("Label5")), QStringLiteral("Seconds 2.5"));
        for (const char* changed : {"Picture4", "Picture64", "Text1", "Label5"})
            QCOMPARE(changes.count(game.control(changed)), 1);
        QCOMPARE(changes.all().size(), 4);  // none for the 61 cells and the view that kept theirs
    }

    void handExchangeNamesBothViews() {
        TestGame game;
        QVERIFY(game.showActive());
        game.click(cellHolder(game, '7'));
        QCOMPARE(nameOf(game.control("Picture27")), QStringLiteral("digit 7"));
        QCOMPARE(nameOf(cellHolder(game, '7')), QStringLiteral("empty"));

        NameChangeRecorder changes;
        game.click(game.control("Command5"));
        QCOMPARE(nameOf(game.control("Picture64")), QStringLiteral("digit 7"));
        QCOMPARE(nameOf(game.control("Picture27")), QStringLiteral("empty"));
        QCOMPARE(changes.count(game.control("Picture64")), 1);
        QCOMPARE(changes.count(game.control("Picture27")), 1);
        QCOMPARE(changes.count(cellHolder(game, '7')), 0);
    }

    void actionThatMovesNoTileAnnouncesOnlyTheCount() {
        TestGame game;
        QVERIFY(game.showActive());
        NameChangeRecorder changes;
        game.click(game.control("Option1"));  // the selected level again: counts, moves nothing
        QCOMPARE(nameOf(game.control("Text1")), QStringLiteral("Count 2"));
        QCOMPARE(changes.all(), QList<QObject*>{game.control("Text1")});  // seconds still 0
    }

#endif

    void screenReaderCanPressCellsButNotHandViews() {
        TestGame game;
        QVERIFY(game.showActive());
        QAccessibleActionInterface* view =
            accessibleOf(game.control("Picture64"))->actionInterface();
        QVERIFY(!view->actionNames().contains(QAccessibleActionInterface::pressAction()));
        view->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(game.countText(), QStringLiteral("1"));

        QAccessibleActionInterface* cell =
            accessibleOf(game.control("Picture4"))->actionInterface();
        QVERIFY(cell->actionNames().contains(QAccessibleActionInterface::pressAction()));
        cell->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(nameOf(game.control("Picture64")), QStringLiteral("capital A"));
        QCOMPARE(game.countText(), QStringLiteral("2"));
    }

    // "< | >" reads as words; the other buttons and the options by their captions.
    void buttonsAndOptionsReadWell() {
        TestGame game;
        QCOMPARE(nameOf(game.control("Command5")), QStringLiteral("Exchange hands"));
        QCOMPARE(roleOf(game.control("Command5")), QAccessible::Button);
        for (const char* control : {"Command1", "Command2", "Option1", "Option2", "Option3"}) {
            QCOMPARE(nameOf(game.control(control)), golden::caption(control));
            QCOMPARE(roleOf(game.control(control)),
                     control[0] == 'C' ? QAccessible::Button : QAccessible::RadioButton);
        }
    }

    void hiddenHoldersAreOutOfReach() {
        TestGame game;
        QVERIFY(game.showActive());
        QSet<QObject*> reachable;
        collectVisible(accessibleOf(&game.window), reachable);
        for (PictureHolder* holder : game.window.controls().cellHolders)
            QVERIFY(reachable.contains(holder));
        for (const char* view : {"Picture64", "Picture27"}) {
            QVERIFY(reachable.contains(game.control(view)));
            QVERIFY(accessibleOf(game.control(view))->state().focusable);
        }
        for (const char* hidden : {"Picture63", "Picture28", "Picture45", "Picture46"}) {
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
