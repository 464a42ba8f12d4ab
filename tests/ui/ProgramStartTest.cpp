// The built program: without a display it explains itself and exits 1 instead of aborting.
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

namespace {

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        env.remove(QString::fromLatin1(name));
    }
    return env;
}

}  // namespace

class ProgramStartTest : public QObject {
    Q_OBJECT

private slots:
    void exitsWithOneLineWhenNoDisplayOpens_data() {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("wayland");
        QTest::newRow("DISPLAY unset") << QString() << QString() << QString();
        QTest::newRow("no such X server") << QStringLiteral(":4917") << QString() << QString();
        QTest::newRow("xcb asked for")
            << QStringLiteral(":4917") << QStringLiteral("xcb") << QString();
        // Qt would try Wayland, find nothing there, fall back to X11 and abort.
        QTest::newRow("no such Wayland session")
            << QString() << QString() << QStringLiteral("morvane-test-no-such-wayland");
    }

    void exitsWithOneLineWhenNoDisplayOpens() {
        QFETCH(QString, display);
        QFETCH(QString, platform);
        QFETCH(QString, wayland);
        QProcessEnvironment env = withoutDisplay();
        if (!wayland.isEmpty())
            env.insert("WAYLAND_DISPLAY", wayland);
        if (!display.isEmpty())
            env.insert("DISPLAY", display);
        if (!platform.isEmpty())
            env.insert("QT_QPA_PLATFORM", platform);
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(MORVANE_EXECUTABLE), {});
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()),
                 QStringLiteral("morvane: cannot open a display: set DISPLAY to a running X "
                                "server (or WAYLAND_DISPLAY) and try again\n"));
    }

    // Platforms that need no display are Qt's business: the program starts and keeps running.
    void startsOnAPlatformWithoutDisplay() {
        QProcessEnvironment env = withoutDisplay();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(MORVANE_EXECUTABLE), {});
        QVERIFY(program.waitForStarted());
        QVERIFY(!program.waitForFinished(1500));
        program.kill();
        program.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "ProgramStartTest.moc"
