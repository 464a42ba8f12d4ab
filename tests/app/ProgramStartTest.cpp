// The built program: without a display it explains itself and exits 1 instead of aborting;
// its command line, and the platform it is asked to use, are answered before any display is
// needed, in the C locale unless a case names another. The German and Arabic locales come
// from the build's own folder (LOCPATH, set by ctest). How each argument is read is
// CommandLineTest's: here, only what needs the program's own process, its streams and its exit
// status.
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QtTest>

namespace {

QProcessEnvironment withoutDisplay() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                             "LC_MESSAGES", "LANG"}) {
        env.remove(QString::fromLatin1(name));
    }
    env.insert("LANG", "C");
    return env;
}

// Starts the program with no display, the platform (if any) in QT_QPA_PLATFORM, and arguments.
void startWithoutDisplay(QProcess& program, const QString& platform, const QStringList& arguments) {
    QProcessEnvironment env = withoutDisplay();
    if (!platform.isEmpty())
        env.insert("QT_QPA_PLATFORM", platform);
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(MORVANE_EXECUTABLE), arguments);
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

    // Answered before any display is looked for: a request on standard output with status 0,
    // a mistake on standard error with status 2, and no window.
    void answersTheCommandLineWithoutDisplay_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("standardOutput");  // a pattern
        QTest::addColumn<QString>("standardError");
        const QString hint = QStringLiteral("Try 'morvane --help' for more information.\n");
        QTest::newRow("--version")
            << QStringList{"--version"} << 0
            << "^" + QRegularExpression::escape("morvane " MORVANE_VERSION "\n") + "$" << QString();
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << 2 << QStringLiteral("^$")
                                        << "morvane: unknown option '--frobnicate'\n" + hint;
    }

    void answersTheCommandLineWithoutDisplay() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, standardOutput);
        QFETCH(QString, standardError);
        QProcess program;
        program.setProcessEnvironment(withoutDisplay());
        program.start(QStringLiteral(MORVANE_EXECUTABLE), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
        QVERIFY2(output.contains(QRegularExpression(standardOutput)), qPrintable(output));
        QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), standardError);
    }

    // In the user's language, from the catalogues beside the program; what was typed stays as
    // it was. As everywhere with gettext, LANGUAGE counts only outside the C locale (and, with
    // newer C libraries, outside C.UTF-8 too), and it comes before the locale's own language.
    void answersInTheUsersLanguage_data() {
        QTest::addColumn<QStringList>("locale");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("standardOutput");  // a pattern
        QTest::addColumn<QString>("standardError");
        QTest::newRow("--help, LANG=de_DE.UTF-8")
            << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"--help"}
            << QStringLiteral(
                   "^Aufruf: morvane \\[OPTION\\]\\.\\.\\.\n(.*\n)*"
                   "      --version  die Version anzeigen und beenden\n")
            << QString();
        QTest::newRow("a mistake, LANGUAGE=de")
            << QStringList{"LANGUAGE=de", "LC_ALL=ar_EG.UTF-8"} << QStringList{"--frobnicate"}
            << QStringLiteral("^$")
            << QStringLiteral(
                   "morvane: unbekannte Option „--frobnicate“\n"
                   "„morvane --help“ gibt weitere Informationen.\n");
        QTest::newRow("LANGUAGE=de in the C locale")
            << QStringList{"LANGUAGE=de", "LC_ALL=C"} << QStringList{"-platform"}
            << QStringLiteral("^$")
            << QStringLiteral(
                   "morvane: option '-platform' needs a value\n"
                   "Try 'morvane --help' for more information.\n");
    }

    void answersInTheUsersLanguage() {
        QFETCH(QStringList, locale);
        QFETCH(QStringList, arguments);
        QFETCH(QString, standardOutput);
        QFETCH(QString, standardError);
        if (qEnvironmentVariableIsEmpty("LOCPATH"))
            QSKIP("needs the build's German locale (LOCPATH), which ctest names");
        QProcessEnvironment env = withoutDisplay();
        env.remove("LANG");
        for (const QString& variable : locale)
            env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(MORVANE_EXECUTABLE), arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        const QString output = QString::fromUtf8(program.readAllStandardOutput());
        QVERIFY2(output.contains(QRegularExpression(standardOutput)), qPrintable(output));
        QCOMPARE(QString::fromUtf8(program.readAllStandardError()), standardError);
    }

    // A platform that Qt does not have is a mistake too, answered before Qt starts: Qt's own
    // answer is an abort with a core dump.
    void refusesAPlatformThatIsNotInstalled_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("QT_QPA_PLATFORM") << QStringLiteral("bogus") << QStringList();
        QTest::newRow("-platform") << QString() << QStringList{"-platform", "bogus"};
    }

    void refusesAPlatformThatIsNotInstalled() {
        QFETCH(QString, platform);
        QFETCH(QStringList, arguments);
        QProcess program;
        startWithoutDisplay(program, platform, arguments);
        QVERIFY(program.waitForFinished(20000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 2);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(
            error.contains(QRegularExpression(
                "^morvane: no display platform 'bogus'; this system has: [a-z, -]*\\boffscreen\\b"
                "[a-z, -]*\n$")),
            qPrintable(error));
    }

    // Platforms that need no display are Qt's business: the program starts and keeps running,
    // whether the platform comes from the environment or from Qt's options.
    void startsOnAPlatformWithoutDisplay_data() {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("QT_QPA_PLATFORM") << QStringLiteral("offscreen") << QStringList();
        QTest::newRow("-platform") << QString() << QStringList{"-platform", "offscreen"};
        // Qt tries the names of a list in turn, and a name may carry arguments.
        QTest::newRow("a list with one that is there")
            << QStringLiteral("bogus;offscreen") << QStringList();
        QTest::newRow("a name with arguments")
            << QString() << QStringList{"-platform", "Offscreen:nogl"};
        // Qt must read its options as the command line leaves them: --platform with two dashes
        // among others.
        QTest::newRow("Qt's options")
            << QString() << QStringList{"--platform", "offscreen",     "-style=Fusion",
                                        "-reverse",   "-qwindowtitle", "Zandorel"};
    }

    void startsOnAPlatformWithoutDisplay() {
        QFETCH(QString, platform);
        QFETCH(QStringList, arguments);
        QProcess program;
        startWithoutDisplay(program, platform, arguments);
        QVERIFY(program.waitForStarted());
        QVERIFY(!program.waitForFinished(1500));
        program.kill();
        program.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(ProgramStartTest)
#include "tests/app/ProgramStartTest.moc"
