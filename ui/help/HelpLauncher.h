#pragma once

#include <QObject>
#include <QString>

class QMessageBox;
class QWidget;

namespace morvane {

// F1 while the window is active opens the help file with the desktop's own viewer, through
// xdg-open. When the file is missing, xdg-open is missing, or xdg-open says it could not open
// the page (no viewer, or one that will not start), a message names the file so that it can
// be opened by hand. The window never waits for the viewer. Opening help is no action.
class HelpLauncher : public QObject {
    Q_OBJECT

public:
    // `opener` is the program given the page's address; tests pass one that fails.
    HelpLauncher(QWidget& window, QString helpFile, QString opener = QStringLiteral("xdg-open"));

    const QString& helpFile() const { return helpFile_; }

public slots:
    void open();

private:
    void showFailure();

    QString helpFile_;
    QString opener_;
    QMessageBox* failureBox_;
};

}  // namespace morvane
