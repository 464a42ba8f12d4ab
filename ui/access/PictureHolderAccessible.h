#pragma once

#include <QAccessibleWidget>

namespace morvane {

class PictureHolder;

// How a picture holder appears to a screen reader. A clickable holder (a cell) is a button that
// can be pressed; the others (the hand views) are pictures. Name and description are the
// holder's accessible name and description, set by the window.
class PictureHolderAccessible : public QAccessibleWidget {
public:
    explicit PictureHolderAccessible(PictureHolder* holder);

    // Makes Qt use this class for every holder. Call it before the first holder is made: Qt
    // keeps the interface it first gives a widget. Calling it again does nothing.
    static void install();

    QString text(QAccessible::Text t) const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    PictureHolder* holder() const;
};

}  // namespace morvane
