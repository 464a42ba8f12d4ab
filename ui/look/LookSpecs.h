#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

namespace morvane {

// The colours and fonts of the look, as plain values: the layout table names them for each
// control, and the look turns them into Qt's colours and fonts.

// The classic desktop colour roles the window is drawn in.
enum class SystemColour {
    Desktop,
    ActiveTitleBar,
    WindowText,
    HighlightText,
    ButtonFace,
    ButtonText,
};

struct FixedColour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    friend constexpr bool operator==(FixedColour, FixedColour) = default;
};

// A colour is either looked up by role when drawing or fixed.
using ColourSpec = std::variant<SystemColour, FixedColour>;

struct FontSpec {
    std::string_view face;
    double points;
    int weight;  // 400 regular, 700 bold
    friend constexpr bool operator==(const FontSpec&, const FontSpec&) = default;
};

// The classic desktop's own font: the window's, and the application's for anything Qt opens
// on its own, such as a message box.
inline constexpr FontSpec kSystemFont{"MS Sans Serif", 8.25, 400};

}  // namespace morvane
