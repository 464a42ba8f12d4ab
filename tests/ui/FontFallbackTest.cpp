// The window on a machine that has neither classic face nor the metric-compatible faces that
// usually stand in for them. CMake runs it with fontconfig limited to the DejaVu faces.
#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

#include "tests/ui/CaptionFit.h"
#include "tests/ui/GoldenWindow.h"
#include "tests/ui/UiTestSupport.h"

using namespace morvane;
using morvane::test::TestGame;
namespace golden = morvane::test::golden;

namespace {

bool installed(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive);
}

}  // namespace

class FontFallbackTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyApplicationLook(); }

    // Otherwise the other cases would prove nothing about a reduced font set.
    void onlyTheReducedFontSetIsInstalled() {
        for (const char* absent :
             {"MS Sans Serif", "Arial", "Liberation Sans", "Arimo", "Nimbus Sans"}) {
            QVERIFY2(!installed(QString::fromLatin1(absent)),
                     qPrintable(QStringLiteral("%1 is installed: is FONTCONFIG_FILE set?")
                                    .arg(QString::fromLatin1(absent))));
        }
        QVERIFY(installed(QStringLiteral("DejaVu Sans")));
    }

    // Each font the window asks for is the first stand-in that is installed, the condensed face
    // before the wider plain one, at the classic pixel size and weight, and every caption still
    // fits its control in it.
    void standInsAreInstalledFacesThatTheCaptionsFit() {
        TestGame game;
        QVERIFY(game.showActive());
        for (const golden::Control& control : golden::kControls) {
            if (control.font == nullptr)
                continue;
            const QFont font = game.control(control.name)->font();
            const QFontInfo info(font);
            qInfo("%s asks for \"%s\" %gpt, weight %d; gets \"%s\" %dpx, weight %d", control.name,
                  qPrintable(font.family()), font.pointSizeF(), font.weight(),
                  qPrintable(info.family()), info.pixelSize(), info.weight());
            // The face drawn, asked for by its own name: Qt had nothing to search for.
            QCOMPARE(info.family(), QStringLiteral("DejaVu Sans Condensed"));
            QVERIFY2(info.exactMatch(), control.name);
            QCOMPARE(info.pixelSize(), control.font->pixelSize);
            QCOMPARE(info.bold(), control.font->bold);
        }
        const QStringList overflows = test::captionOverflows(game.window);
        QVERIFY2(overflows.isEmpty(), qPrintable(overflows.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(FontFallbackTest)
#include "tests/ui/FontFallbackTest.moc"
