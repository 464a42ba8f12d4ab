#include "ui/look/ClassicRadioIndicator.h"

#include <array>
#include <string_view>

namespace morvane {

namespace {

// o, O: the outer edge, dark at the top left and light at the bottom right; i, I: the inner
// edge, black and button face; w: the well; d: the dot of a selected option.
constexpr std::array<std::string_view, ClassicRadioIndicator::kSize> kPattern{
    "....oooo....",  //
    "..ooiiiioo..",  //
    ".oiiwwwwiIO.",  //
    ".oiwwwwwwIO.",  //
    "oiwwwddwwwIO",  //
    "oiwwddddwwIO",  //
    "oiwwddddwwIO",  //
    "oiwwwddwwwIO",  //
    ".oiwwwwwwIO.",  //
    ".oIIwwwwIIO.",  //
    "..OOIIIIOO..",  //
    "....OOOO....",  //
};

}  // namespace

void ClassicRadioIndicator::draw(QPainter& painter, const QStyleOption& option) {
    const QPalette& palette = option.palette;
    const bool enabled = option.state.testFlag(QStyle::State_Enabled);
    // A pressed or disabled option's well shows the button face, as on the classic desktop.
    const bool wellGreyed = !enabled || option.state.testFlag(QStyle::State_Sunken);
    const bool selected = option.state.testFlag(QStyle::State_On);
    const QColor well = palette.color(wellGreyed ? QPalette::Button : QPalette::Base);
    const auto colourOf = [&](char code) -> QColor {
        switch (code) {
            case 'o':
                return palette.color(QPalette::Dark);
            case 'O':
                return palette.color(QPalette::Light);
            case 'i':
                return palette.color(QPalette::Shadow);
            case 'I':
                return palette.color(QPalette::Midlight);
            case 'd':
                if (selected)
                    return palette.color(enabled ? QPalette::Text : QPalette::Dark);
                return well;
            case 'w':
                return well;
            default:
                return {};
        }
    };
    // Centred in the space the style gives the indicator, on whole pixels.
    const QPoint origin = option.rect.topLeft() + QPoint((option.rect.width() - kSize) / 2,
                                                         (option.rect.height() - kSize) / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const QColor colour =
                colourOf(kPattern[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
            if (colour.isValid())
                painter.fillRect(origin.x() + x, origin.y() + y, 1, 1, colour);
        }
    }
    painter.restore();
}

}  // namespace morvane
