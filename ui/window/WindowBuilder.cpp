#include "ui/window/WindowBuilder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/BoardState.h"
#include "ui/access/AccessibleText.h"
#include "ui/controls/PictureHolder.h"
#include "ui/look/ClassicFonts.h"
#include "ui/look/ClassicPalette.h"
#include "ui/window/ControlFactory.h"

namespace morvane {

namespace {

QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename T>
T* child(QWidget& window, std::string_view name) {
    return window.findChild<T*>(toQString(name));
}

void setUpWindow(QWidget& window) {
    const WindowSpec& windowSpec = WindowLayout::window();
    window.setWindowTitle(toQString(windowSpec.title));
    window.setFixedSize(ControlFactory::toPixels(windowSpec.clientWidth),
                        ControlFactory::toPixels(windowSpec.clientHeight));
    // A fixed size leaves nothing to maximise to.
    window.setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    QPalette palette = ClassicPalette::base();
    palette.setColor(QPalette::All, QPalette::Window,
                     ClassicPalette::colour(windowSpec.background));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(ClassicFonts::font(windowSpec.font));
    // Placement is left to the window system: the window is never moved from code.
}

void createControls(QWidget& window) {
    const auto controls = WindowLayout::controls();
    const auto frameSpec = std::find_if(
        controls.begin(), controls.end(),
        [](const auto& controlSpec) { return controlSpec.kind == ControlKind::Frame; });
    QWidget* frame = ControlFactory::create(*frameSpec, window);
    for (const ControlSpec& controlSpec : controls) {
        if (controlSpec.container == Container::Frame1)
            ControlFactory::create(controlSpec, *frame);
    }
    std::vector<QWidget*> lines;
    for (const ControlSpec& controlSpec : controls) {
        if (controlSpec.container != Container::Window || &controlSpec == &*frameSpec)
            continue;
        QWidget* widget = ControlFactory::create(controlSpec, window);
        if (controlSpec.kind == ControlKind::Line)
            lines.push_back(widget);
    }
    // Lines lie on the window's background, under the hand view and the "< | >" button.
    for (QWidget* line : lines)
        line->lower();
}

void showFirstPictures(QWidget& window, const TilePixmaps& pixmaps) {
    for (const ControlSpec& controlSpec : WindowLayout::controls()) {
        if (!controlSpec.initialTile)
            continue;
        child<PictureHolder>(window, controlSpec.name)
            ->setPicture(pixmaps.of(*controlSpec.initialTile));
    }
}

void chainFocusOrder(QWidget& window) {
    std::vector<std::pair<int, QWidget*>> ordered;
    for (const ControlSpec& controlSpec : WindowLayout::controls()) {
        if (!controlSpec.tabIndex)
            continue;
        QWidget* widget = child<QWidget>(window, controlSpec.name);
        // Labels and the frame never take the focus; hidden holders are skipped by Qt itself.
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        ordered.emplace_back(*controlSpec.tabIndex, widget);
    }
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < ordered.size(); ++i) {
        QWidget::setTabOrder(ordered[i - 1].second, ordered[i].second);
    }
    // The window opens with the focus on the first control in that order.
    if (!ordered.empty())
        ordered.front().second->setFocus(Qt::OtherFocusReason);
}

WindowControls findControls(QWidget& window) {
    WindowControls controls;
    for (Cell cell : BoardState::cells()) {
        controls.cellHolders[static_cast<std::size_t>(cell.index())] =
            child<PictureHolder>(window, BoardState::holderOf(cell));
    }
    controls.letterHandView = child<PictureHolder>(window, "Picture64");
    controls.letterHandStore = child<PictureHolder>(window, "Picture63");
    controls.numberHandView = child<PictureHolder>(window, "Picture27");
    controls.numberHandStore = child<PictureHolder>(window, "Picture28");
    controls.countReadout = child<QLineEdit>(window, "Text1");
    controls.elapsedReadout = child<QLabel>(window, "Label5");
    controls.levelOptions = {child<QRadioButton>(window, "Option1"),
                             child<QRadioButton>(window, "Option2"),
                             child<QRadioButton>(window, "Option3")};
    controls.exchangeHandsButton = child<QPushButton>(window, "Command5");
    controls.shuffleButton = child<QPushButton>(window, "Command1");
    controls.aboutButton = child<QPushButton>(window, "Command2");
    return controls;
}

void describeControls(const WindowControls& controls) {
    // Where each holder sits never changes; what it shows is named by every redraw.
    for (Cell cell : BoardState::cells()) {
        controls.holderFor(cell)->setAccessibleDescription(AccessibleText::cellDescription(cell));
    }
    controls.letterHandView->setAccessibleDescription(
        AccessibleText::handDescription(Hand::LetterHand));
    controls.numberHandView->setAccessibleDescription(
        AccessibleText::handDescription(Hand::NumberHand));
    // The other buttons and the options are read by their captions.
    controls.exchangeHandsButton->setAccessibleName(AccessibleText::exchangeHandsName());
}

}  // namespace

WindowControls WindowBuilder::build(QWidget& window, const TilePixmaps& pixmaps) {
    setUpWindow(window);
    createControls(window);
    showFirstPictures(window, pixmaps);
    chainFocusOrder(window);
    WindowControls controls = findControls(window);
    describeControls(controls);
    return controls;
}

}  // namespace morvane
