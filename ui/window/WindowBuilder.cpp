#include "ui/window/WindowBuilder.h"

#include <QLabel>
#include <QList>
#include <algorithm>
#include <utility>
#include <variant>
#include <vector>

#include "core/BoardState.h"
#include "ui/access/AccessibleText.h"
#include "ui/access/PictureHolderAccessible.h"
#include "ui/controls/CaptionedFrame.h"
#include "ui/controls/ClassicPushButton.h"
#include "ui/controls/LevelOption.h"
#include "ui/controls/PictureHolder.h"
#include "ui/controls/SunkenLineEdit.h"
#include "ui/look/ClassicFonts.h"
#include "ui/look/ClassicPalette.h"
#include "ui/look/WindowLook.h"
#include "ui/window/ControlFactory.h"

namespace morvane {

namespace {

// One control as the factory handed it back, with the entry it was built from.
struct BuiltFrom {
    const ControlSpec& controlSpec;
    BuiltControl control;
};

void setUpWindow(QWidget& window, TwipScale scale) {
    const WindowSpec& windowSpec = WindowLayout::window();
    window.setWindowTitle(QString::fromLatin1(windowSpec.title));
    window.setFixedSize(scale.pixels(windowSpec.clientWidth),
                        scale.pixels(windowSpec.clientHeight));
    // A fixed size leaves nothing to maximise to.
    window.setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    QPalette palette = ClassicPalette::base();
    palette.setColor(QPalette::All, QPalette::Window,
                     ClassicPalette::colour(windowSpec.background));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(ClassicFonts::font(windowSpec.font, scale.dotsPerInch()));
    // Placement is left to the window system: the window is never moved from code.
}

std::vector<BuiltFrom> createControls(QWidget& window, TwipScale scale) {
    const auto controls = WindowLayout::controls();
    std::vector<BuiltFrom> built;
    built.reserve(controls.size());
    const auto create = [&built, scale](const ControlSpec& controlSpec, QWidget& container) {
        return built
            .emplace_back(controlSpec, ControlFactory::create(controlSpec, container, scale))
            .control;
    };
    const auto frameSpec = std::ranges::find(controls, ControlKind::Frame, &ControlSpec::kind);
    auto* frame = std::get<CaptionedFrame*>(create(*frameSpec, window));
    for (const ControlSpec& controlSpec : controls) {
        if (controlSpec.container == Container::Frame1)
            create(controlSpec, *frame);
    }
    std::vector<QWidget*> lines;
    for (const ControlSpec& controlSpec : controls) {
        if (controlSpec.container != Container::Window || &controlSpec == &*frameSpec)
            continue;
        const BuiltControl control = create(controlSpec, window);
        if (controlSpec.kind == ControlKind::Line)
            lines.push_back(std::get<QWidget*>(control));
    }
    // Lines lie on the window's background, under the hand view and the "< | >" button.
    for (QWidget* line : lines)
        line->lower();
    return built;
}

void showFirstPictures(const std::vector<BuiltFrom>& built, const TilePixmaps& pixmaps) {
    for (const auto& [controlSpec, control] : built) {
        if (controlSpec.initialTile)
            std::get<PictureHolder*>(control)->setPicture(pixmaps.of(*controlSpec.initialTile));
    }
}

void chainFocusOrder(const std::vector<BuiltFrom>& built) {
    std::vector<std::pair<int, QWidget*>> ordered;
    for (const auto& [controlSpec, control] : built) {
        if (!controlSpec.tabIndex)
            continue;
        QWidget* widget = ControlFactory::asWidget(control);
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

// The arrow keys go round the level options.
void groupLevelOptions(const std::vector<BuiltFrom>& built) {
    QList<LevelOption*> options;
    for (const BuiltFrom& each : built) {
        if (auto* const* option = std::get_if<LevelOption*>(&each.control))
            options.append(*option);
    }
    for (LevelOption* option : options)
        option->setGroup(options);
}

// Each control with a role in the game goes to its place in WindowControls, typed.
WindowControls handOver(const std::vector<BuiltFrom>& built) {
    WindowControls controls;
    for (const BuiltFrom& each : built) {
        const ControlSpec& controlSpec = each.controlSpec;
        const BuiltControl& control = each.control;
        const auto holder = [&control] { return std::get<PictureHolder*>(control); };
        const auto label = [&control] { return std::get<QLabel*>(control); };
        const auto option = [&control] { return std::get<LevelOption*>(control); };
        const auto button = [&control] { return std::get<ClassicPushButton*>(control); };
        const auto level = [&controls](Level of) -> QRadioButton*& {
            return controls.levelOptions[static_cast<std::size_t>(of)];
        };
        switch (controlSpec.role) {
            case ControlRole::None:
                break;
            case ControlRole::CellHolder:
                controls.cellHolders[static_cast<std::size_t>(controlSpec.cell.value().index())] =
                    holder();
                break;
            case ControlRole::LetterHandView:
                controls.letterHandView = holder();
                break;
            case ControlRole::LetterHandStore:
                controls.letterHandStore = holder();
                break;
            case ControlRole::NumberHandView:
                controls.numberHandView = holder();
                break;
            case ControlRole::NumberHandStore:
                controls.numberHandStore = holder();
                break;
            case ControlRole::CountCaption:
                controls.countCaption = label();
                break;
            case ControlRole::CountReadout:
                controls.countReadout = std::get<SunkenLineEdit*>(control);
                break;
            case ControlRole::ElapsedReadout:
                controls.elapsedReadout = label();
                break;
            case ControlRole::ElapsedCaption:
                controls.elapsedCaption = label();
                break;
            case ControlRole::LevelFrame:
                controls.levelFrame = std::get<CaptionedFrame*>(control);
                break;
            case ControlRole::NumbersOnlyOption:
                level(Level::NumbersOnly) = option();
                break;
            case ControlRole::LettersOnlyOption:
                level(Level::LettersOnly) = option();
                break;
            case ControlRole::LettersAndNumbersOption:
                level(Level::LettersAndNumbers) = option();
                break;
            case ControlRole::ExchangeHandsButton:
                controls.exchangeHandsButton = button();
                break;
            case ControlRole::ShuffleButton:
                controls.shuffleButton = button();
                break;
            case ControlRole::AboutButton:
                controls.aboutButton = button();
                break;
        }
    }
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
    // Before the first holder is made, as Qt keeps the accessible interface it first makes.
    PictureHolderAccessible::install();
    const TwipScale scale = TwipScale::of(window);
    setUpWindow(window, scale);
    const std::vector<BuiltFrom> built = createControls(window, scale);
    showFirstPictures(built, pixmaps);
    chainFocusOrder(built);
    groupLevelOptions(built);
    WindowControls controls = handOver(built);
    describeControls(controls);
    WindowLook::adopt(window);
    return controls;
}

}  // namespace morvane
