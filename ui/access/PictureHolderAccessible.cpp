#include "ui/access/PictureHolderAccessible.h"

#include "ui/controls/PictureHolder.h"

namespace morvane {

namespace {

QAccessibleInterface* createForHolder(const QString& className, QObject* object) {
    if (className != QLatin1String(PictureHolder::staticMetaObject.className()))
        return nullptr;
    return new PictureHolderAccessible(static_cast<PictureHolder*>(object));
}

}  // namespace

PictureHolderAccessible::PictureHolderAccessible(PictureHolder* holder)
    : QAccessibleWidget(holder) {}

void PictureHolderAccessible::install() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(createForHolder);
}

PictureHolder* PictureHolderAccessible::holder() const {
    return static_cast<PictureHolder*>(widget());
}

QString PictureHolderAccessible::text(QAccessible::Text t) const {
    // Only the name the window gives: Qt would otherwise lend an unnamed holder the caption of
    // the frame it lies in.
    if (t == QAccessible::Name)
        return widget()->accessibleName();
    return QAccessibleWidget::text(t);
}

QAccessible::Role PictureHolderAccessible::role() const {
    return holder()->isClickable() ? QAccessible::Button : QAccessible::Graphic;
}

QAccessible::State PictureHolderAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    // Qt counts any focus policy; a hidden holder never takes the focus.
    if (state.invisible)
        state.focusable = false;
    return state;
}

QStringList PictureHolderAccessible::actionNames() const {
    if (state().invisible)
        return {};
    QStringList names = QAccessibleWidget::actionNames();
    if (holder()->isClickable() && holder()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void PictureHolderAccessible::doAction(const QString& actionName) {
    if (!actionNames().contains(actionName))
        return;
    if (actionName == pressAction())
        holder()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

}  // namespace morvane
