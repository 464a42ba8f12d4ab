// The window on a machine that has neither classic face nor the metric-compatible faces that
// usually stand in for them. CMake runs it with fontconfig limited to the DejaVu faces.
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QtTest>

#include "tests/ui/CaptionFit.h"
#include "tests/ui/UiTestSupport.h"
#include "ui/window/WindowLayout.h"

using namespace morvane;
using morvane::test::TestGame;

namespace {

QString name(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

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

    // Each font the layout asks for resolves to a face that exists, at the classic pixel size
    // and weight.
    void standInsAreInstalledFaces() {
        TestGame game;
        QVERIFY(game.showActive());
        struct Expected {
            const char* control;
            int pixelSize;
            bool bold;
        };
        for (const auto& [control, pixelSize, bold] :
             {Expected{"Label1", 11, false}, Expected{"Label3", 11, true},
              Expected{"Label5", 29, false}, Expected{"Option3", 11, false},
              Expected{"Command1", 11, false}, Expected{"Frame1", 11, false},
              Expected{"Text1", 11, false}}) {
            const QFont font = game.control(control)->font();
            const QFontInfo info(font);
            qInfo("%s asks for \"%s\" %gpt, weight %d; gets \"%s\" %dpx, weight %d", control,
                  qPrintable(font.family()), font.pointSizeF(), font.weight(),
                  qPrintable(info.family()), info.pixelSize(), info.weight());
            QVERIFY2(installed(info.family()), control);
            QVERIFY2(!info.exactMatch(), control);
            QCOMPARE(info.pixelSize(), pixelSize);
            QCOMPARE(info.bold(), bold);
        }
    }

    void captionsStillFitTheirControls() {
        TestGame game;
        QVERIFY(game.showActive());
        QStringList tooWide;
        for (const ControlSpec& controlSpec : WindowLayout::controls()) {
            if (controlSpec.caption.empty())
                continue;
            const QWidget* widget = game.control(controlSpec.name.data());
            const test::CaptionFit fit = test::measureCaption(*widget, name(controlSpec.caption));
            const QString line = QStringLiteral("%1 \"%2\" in %3: %4 x %5 px in %6 x %7")
                                     .arg(name(controlSpec.name), name(controlSpec.caption),
                                          QFontInfo(widget->font()).family())
                                     .arg(fit.width)
                                     .arg(fit.height)
                                     .arg(fit.room)
                                     .arg(fit.roomHeight);
            qInfo("%s", qPrintable(line));
            if (!fit.fits())
                tooWide << line;
        }
        QVERIFY2(tooWide.isEmpty(), qPrintable(tooWide.join(QStringLiteral("; "))));

        // The seconds figure fits its band from the top, the widest plausible value included.
        const QFontMetrics readout(game.control("Label5")->font());
        const QRect ink = readout.tightBoundingRect(QStringLiteral("-86399.99"));
        QVERIFY2(
            readout.ascent() + ink.bottom() < 33,
            qPrintable(QStringLiteral("ink reaches row %1").arg(readout.ascent() + ink.bottom())));
        QVERIFY2(ink.width() < 281, qPrintable(QStringLiteral("ink %1 px wide").arg(ink.width())));
    }
};

QTEST_MAIN(FontFallbackTest)
#include "FontFallbackTest.moc"
