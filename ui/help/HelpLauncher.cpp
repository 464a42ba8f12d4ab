#include "ui/help/HelpLauncher.h"

#include <QFileInfo>
#include <QKeySequence>
#include <QMessageBox>
#include <QProcess>
#include <QShortcut>
#include <QUrl>
#include <QWidget>

#include <utility>

#include "ui/help/ClassicMessageBox.h"
#include "ui/help/Translation.h"

namespace morvane {

namespace {

// For the grown-up, so in the user's language, unlike the window's own texts.
QString failureMessage(const QString& helpFile) {
    return QString::fromStdString(withArguments(
        // TRANSLATORS: a message box when F1 finds no help page or no program to show it; %1
        // is the page's file name, for opening it by hand.
        translated("Help could not be opened: %1"), {helpFile.toStdString()}));
}

}  // namespace

HelpLauncher::HelpLauncher(QWidget& window, QString helpFile, QString opener)
    : QObject(&window),
      helpFile_(std::move(helpFile)),
      opener_(std::move(opener)),
      failureBox_(ClassicMessageBox::create(window, QStringLiteral("HelpFailureBox"),
                                            failureMessage(helpFile_))) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &HelpLauncher::open);
}

void HelpLauncher::open() {
    const QFileInfo file(helpFile_);
    if (!file.isFile()) {
        showFailure();
        return;
    }
    // Qt's own way to open a page only says that xdg-open started; its exit status says
    // whether a viewer took the page. It is read when it comes, so the window goes on.
    auto* process = new QProcess(this);
    // What xdg-open says goes where the program's own messages go.
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    // The message box runs an event loop of its own, which would delete the process while it
    // is still telling its news: the box waits until the process is done.
    const auto done = [this, process](bool opened) {
        process->deleteLater();
        if (!opened)
            QMetaObject::invokeMethod(this, &HelpLauncher::showFailure, Qt::QueuedConnection);
    };
    connect(process, &QProcess::finished, this,
            [done](int exitCode, QProcess::ExitStatus exitStatus) {
                done(exitStatus == QProcess::NormalExit && exitCode == 0);
            });
    // A program that cannot be started never finishes.
    connect(process, &QProcess::errorOccurred, this, [done](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            done(false);
    });
    process->start(opener_, {QUrl::fromLocalFile(file.absoluteFilePath()).toString()});
}

void HelpLauncher::showFailure() {
    failureBox_->exec();
}

}  // namespace morvane
