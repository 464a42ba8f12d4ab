#include "ui/window/ControlFactory.h"

#include <QLabel>
#include <QString>

#include "ui/controls/CaptionedFrame.h"
#include "ui/controls/ClassicPushButton.h"
#include "ui/controls/LevelOption.h"
#include "ui/controls/PictureHolder.h"
#include "ui/controls/SunkenLineEdit.h"
#include "ui/look/ClassicFonts.h"
#include "ui/look/ClassicPalette.h"

namespace morvane {

namespace {

QLabel* createLabel(const ControlSpec& controlSpec, QWidget& container) {
    auto* label = new QLabel(QString::fromLatin1(controlSpec.caption), &container);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setMargin(0);
    label->setIndent(0);
    const Qt::Alignment across =
        controlSpec.alignment == TextAlignment::Right ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(across | Qt::AlignTop);
    return label;
}

BuiltControl createWidget(const ControlSpec& controlSpec, QWidget& container) {
    switch (controlSpec.kind) {
        case ControlKind::PictureHolder: {
            auto* holder = new PictureHolder(&container);
            // A click on a cell is an action of the game; the other holders only show a tile.
            holder->setClickable(controlSpec.role == ControlRole::CellHolder);
            return holder;
        }
        case ControlKind::Label:
            return createLabel(controlSpec, container);
        case ControlKind::TextBox: {
            auto* edit = new SunkenLineEdit(&container);
            edit->setText(QString::fromLatin1(controlSpec.caption));
            return edit;
        }
        case ControlKind::Frame:
            return new CaptionedFrame(QString::fromLatin1(controlSpec.caption), &container);
        case ControlKind::OptionButton:
            return new LevelOption(QString::fromLatin1(controlSpec.caption), &container);
        case ControlKind::PushButton:
            return new ClassicPushButton(QString::fromLatin1(controlSpec.caption), &container);
        case ControlKind::Line:
            // Every line of the window is horizontal or vertical: a one-pixel strip.
            return new QWidget(&container);
    }
    return static_cast<QWidget*>(nullptr);
}

void applyColours(QWidget& widget, const ControlSpec& controlSpec) {
    QPalette palette = ClassicPalette::base();
    const auto set = [&palette](QPalette::ColorRole role, const ColourSpec& colour) {
        palette.setColor(QPalette::All, role, ClassicPalette::colour(colour));
    };
    if (controlSpec.kind == ControlKind::Line) {
        set(QPalette::Window, *controlSpec.foreground);
    } else {
        if (controlSpec.background) {
            set(QPalette::Window, *controlSpec.background);
            if (controlSpec.kind == ControlKind::PushButton)
                set(QPalette::Button, *controlSpec.background);
            if (controlSpec.kind == ControlKind::TextBox)
                set(QPalette::Base, *controlSpec.background);
        }
        if (controlSpec.foreground) {
            set(QPalette::WindowText, *controlSpec.foreground);
            if (controlSpec.kind == ControlKind::PushButton)
                set(QPalette::ButtonText, *controlSpec.foreground);
            if (controlSpec.kind == ControlKind::TextBox)
                set(QPalette::Text, *controlSpec.foreground);
        }
    }
    widget.setPalette(palette);
    // Labels are opaque; so is every other control over the desktop-coloured window.
    widget.setAutoFillBackground(controlSpec.kind != ControlKind::PictureHolder);
}

}  // namespace

QWidget* ControlFactory::asWidget(const BuiltControl& control) {
    return std::visit([](auto* typed) -> QWidget* { return typed; }, control);
}

TwipScale TwipScale::of(const QWidget& widget) {
    return TwipScale(widget.logicalDpiY());
}

QRect TwipScale::rect(const TwipRect& rect) const {
    return QRect(QPoint(pixels(rect.left), pixels(rect.top)),
                 QPoint(pixels(rect.left + rect.width) - 1, pixels(rect.top + rect.height) - 1));
}

QRect TwipScale::rect(const TwipLine& line) const {
    return QRect(QPoint(pixels(line.x1), pixels(line.y1)), QPoint(pixels(line.x2), pixels(line.y2)))
        .normalized();
}

BuiltControl ControlFactory::create(const ControlSpec& controlSpec, QWidget& container,
                                    TwipScale scale) {
    const BuiltControl control = createWidget(controlSpec, container);
    QWidget* widget = asWidget(control);
    widget->setObjectName(QString::fromLatin1(controlSpec.name));
    widget->setGeometry(controlSpec.kind == ControlKind::Line ? scale.rect(controlSpec.line)
                                                              : scale.rect(controlSpec.rect));
    applyColours(*widget, controlSpec);
    if (controlSpec.font)
        widget->setFont(ClassicFonts::font(*controlSpec.font, scale.dotsPerInch()));
    if (!controlSpec.visible)
        widget->hide();
    return control;
}

}  // namespace morvane
