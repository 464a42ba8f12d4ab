#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "core/Cell.h"
#include "core/Tile.h"
#include "ui/look/LookSpecs.h"

namespace morvane {

enum class ControlKind { PictureHolder, Label, TextBox, Frame, OptionButton, PushButton, Line };

// Positions and sizes in twips (1/1440 inch); 15 twips make one pixel at 96 DPI.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
    friend constexpr bool operator==(TwipRect, TwipRect) = default;
};

struct TwipLine {
    int x1;
    int y1;
    int x2;
    int y2;
};

enum class Container { Window, Frame1 };

// Where a label's text stands across its rectangle; every text starts at the top.
enum class TextAlignment { Left, Right };

// What a control is to the game. The builder hands every control that has a role to the game's
// side typed, as WindowControls; the others only ever show what they were built with.
enum class ControlRole {
    None,
    CellHolder,  // shows the entry's cell
    LetterHandView,
    LetterHandStore,
    NumberHandView,
    NumberHandStore,
    CountCaption,
    CountReadout,
    ElapsedReadout,
    ElapsedCaption,
    LevelFrame,
    NumbersOnlyOption,
    LettersOnlyOption,
    LettersAndNumbersOption,
    ExchangeHandsButton,
    ShuffleButton,
    AboutButton,
};

// One control of the window, exactly as the window is built from it.
struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    Container container;
    TwipRect rect{};                                // within the container; unused for lines
    TwipLine line{};                                // lines only
    std::string_view caption{};                     // text at creation
    TextAlignment alignment = TextAlignment::Left;  // labels only
    std::optional<ColourSpec> background{};         // none for lines
    std::optional<ColourSpec> foreground{};         // text colour, or a line's colour
    std::optional<FontSpec> font{};                 // for controls that show text
    bool visible = true;
    std::optional<int> tabIndex{};      // none for lines
    std::optional<Tile> initialTile{};  // picture holders only
    ControlRole role = ControlRole::None;
    std::optional<Cell> cell{};  // cell holders only
};

enum class WindowPlacement { SystemDefault };

struct WindowSpec {
    std::string_view title;
    int clientWidth;   // twips
    int clientHeight;  // twips
    ColourSpec background;
    FontSpec font;
    WindowPlacement placement;
};

// The window and its 85 controls (68 picture holders, 6 labels, 3 options, 3 push buttons,
// the frame, the text box and 3 lines). No control keeps time: the seconds readout changes only
// when an action brings it up to date, so the window has no timer.
namespace WindowLayout {

inline constexpr int kControlCount = 85;

const WindowSpec& window();
std::span<const ControlSpec, kControlCount> controls();
// The holder rectangle of a board cell, from its area, row and column.
TwipRect cellRect(Cell cell);

}  // namespace WindowLayout

}  // namespace morvane
