#include "ui/look/ClassicPalette.h"

#include <variant>

namespace morvane {

QColor ClassicPalette::colour(SystemColour role) {
    switch (role) {
        case SystemColour::Desktop:
            return {0, 128, 128};
        case SystemColour::ActiveTitleBar:
            return {0, 0, 128};
        case SystemColour::WindowText:
            return {0, 0, 0};
        case SystemColour::HighlightText:
            return {255, 255, 255};
        case SystemColour::ButtonFace:
            return {192, 192, 192};
        case SystemColour::ButtonText:
            return {0, 0, 0};
    }
    return {};
}

QColor ClassicPalette::colour(const ColourSpec& colourSpec) {
    if (const auto* fixed = std::get_if<FixedColour>(&colourSpec)) {
        return {fixed->red, fixed->green, fixed->blue};
    }
    return colour(std::get<SystemColour>(colourSpec));
}

namespace {

QPalette makeBase() {
    const QColor face = ClassicPalette::colour(SystemColour::ButtonFace);
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);

    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, const QColor& c) {
        palette.setColor(QPalette::All, role, c);
    };
    set(QPalette::Window, face);
    set(QPalette::WindowText, ClassicPalette::colour(SystemColour::WindowText));
    set(QPalette::Base, white);
    set(QPalette::AlternateBase, face);
    set(QPalette::Text, black);
    set(QPalette::PlaceholderText, QColor(128, 128, 128));
    set(QPalette::Button, face);
    set(QPalette::ButtonText, ClassicPalette::colour(SystemColour::ButtonText));
    set(QPalette::BrightText, white);
    // The classic 3D edges: white and grey light, grey and black shadow.
    set(QPalette::Light, white);
    set(QPalette::Midlight, face);
    set(QPalette::Mid, QColor(160, 160, 160));
    set(QPalette::Dark, QColor(128, 128, 128));
    set(QPalette::Shadow, black);
    set(QPalette::Highlight, ClassicPalette::colour(SystemColour::ActiveTitleBar));
    set(QPalette::HighlightedText, ClassicPalette::colour(SystemColour::HighlightText));
    set(QPalette::Link, QColor(0, 0, 255));
    set(QPalette::LinkVisited, QColor(128, 0, 128));
    set(QPalette::ToolTipBase, QColor(255, 255, 225));
    set(QPalette::ToolTipText, black);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(128, 128, 128));
    return palette;
}

}  // namespace

const QPalette& ClassicPalette::base() {
    // Every control starts from it: made once, shared by all.
    static const QPalette palette = makeBase();
    return palette;
}

}  // namespace morvane
