#include "HelpLauncher.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QKeySequence>
#include <QMessageBox>
#include <QShortcut>
#include <QUrl>
#include <QWidget>
#include <utility>

namespace morvane {

HelpLauncher::HelpLauncher(QWidget& window, QString helpFile)
    : QObject(&window), window_(window), helpFile_(std::move(helpFile)) {
    auto* shortcut = new QShortcut(QKeySequence(Qt::Key_F1), &window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &HelpLauncher::open);
}

QString HelpLauncher::failureMessage(const QString& helpFile) {
    return QStringLiteral("Help could not be opened: %1").arg(helpFile);
}

void HelpLauncher::open() {
    const QFileInfo file(helpFile_);
    if (file.isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()))) {
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Morvane"), failureMessage(helpFile_),
                    QMessageBox::Ok, &window_);
    box.setTextFormat(Qt::PlainText);
    box.setObjectName(QStringLiteral("HelpFailureBox"));
    box.exec();
}

}  // namespace morvane
