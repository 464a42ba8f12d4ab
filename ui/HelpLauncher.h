#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace morvane {

// F1 while the window is active opens the help file with the desktop's own viewer. When the
// file is missing or nothing opens it, a message names the file. Opening help is no action.
class HelpLauncher : public QObject {
    Q_OBJECT

public:
    HelpLauncher(QWidget& window, QString helpFile);

    const QString& helpFile() const { return helpFile_; }
    static QString failureMessage(const QString& helpFile);

public slots:
    void open();

private:
    QWidget& window_;
    QString helpFile_;
};

}  // namespace morvane
