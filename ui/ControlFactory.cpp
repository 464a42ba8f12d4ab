#include "ControlFactory.h"

#include <QLabel>
#include <QPushButton>
#include <QString>

#include "CaptionedFrame.h"
#include "ClassicFonts.h"
#include "ClassicPalette.h"
#include "LevelOption.h"
#include "PictureHolder.h"
#include "SunkenLineEdit.h"

namespace morvane {

namespace {

QString toQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* createLabel(const ControlSpec& spec, QWidget& container) {
    auto* label = new QLabel(toQString(spec.caption), &container);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setMargin(0);
    label->setIndent(0);
    // The seconds figure stands at the right, next to its "Seconds" caption.
    const Qt::Alignment horizontal = spec.name == "Label5" ? Qt::AlignRight : Qt::AlignLeft;
    label->setAlignment(horizontal | Qt::AlignTop);
    return label;
}

QPushButton* createPushButton(const ControlSpec& spec, QWidget& container) {
    auto* button = new QPushButton(toQString(spec.caption), &container);
    // Only Space presses a button from the keyboard; Return belongs to no button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

}  // namespace

QRect ControlFactory::toPixels(const TwipRect& rect) {
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

QRect ControlFactory::toPixels(const TwipLine& line) {
    return QRect(QPoint(toPixels(line.x1), toPixels(line.y1)),
                 QPoint(toPixels(line.x2), toPixels(line.y2)))
        .normalized();
}

QWidget* ControlFactory::createWidget(const ControlSpec& spec, QWidget& container) {
    switch (spec.kind) {
        case ControlKind::PictureHolder:
            return new PictureHolder(&container);
        case ControlKind::Label:
            return createLabel(spec, container);
        case ControlKind::TextBox: {
            auto* edit = new SunkenLineEdit(&container);
            edit->setText(toQString(spec.caption));
            return edit;
        }
        case ControlKind::Frame:
            return new CaptionedFrame(toQString(spec.caption), &container);
        case ControlKind::OptionButton:
            return new LevelOption(toQString(spec.caption), &container);
        case ControlKind::PushButton:
            return createPushButton(spec, container);
        case ControlKind::Line:
            // Every line of the window is horizontal or vertical: a one-pixel strip.
            return new QWidget(&container);
    }
    return nullptr;
}

void ControlFactory::applyColours(QWidget& widget, const ControlSpec& spec) {
    QPalette palette = ClassicPalette::base();
    const auto set = [&palette](QPalette::ColorRole role, const ColourSpec& colour) {
        palette.setColor(QPalette::All, role, ClassicPalette::colour(colour));
    };
    if (spec.kind == ControlKind::Line) {
        set(QPalette::Window, *spec.foreground);
    } else {
        if (spec.background) {
            set(QPalette::Window, *spec.background);
            if (spec.kind == ControlKind::PushButton)
                set(QPalette::Button, *spec.background);
            if (spec.kind == ControlKind::TextBox)
                set(QPalette::Base, *spec.background);
        }
        if (spec.foreground) {
            set(QPalette::WindowText, *spec.foreground);
            if (spec.kind == ControlKind::PushButton)
                set(QPalette::ButtonText, *spec.foreground);
            if (spec.kind == ControlKind::TextBox)
                set(QPalette::Text, *spec.foreground);
        }
    }
    widget.setPalette(palette);
    // Labels are opaque; so is every other control over the desktop-coloured window.
    widget.setAutoFillBackground(spec.kind != ControlKind::PictureHolder);
}

QWidget* ControlFactory::create(const ControlSpec& spec, QWidget& container) {
    QWidget* widget = createWidget(spec, container);
    widget->setObjectName(toQString(spec.name));
    widget->setGeometry(spec.kind == ControlKind::Line ? toPixels(spec.line) : toPixels(spec.rect));
    applyColours(*widget, spec);
    if (spec.font)
        widget->setFont(ClassicFonts::font(*spec.font));
    if (!spec.visible)
        widget->hide();
    return widget;
}

}  // namespace morvane
