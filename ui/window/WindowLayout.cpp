#include "ui/window/WindowLayout.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "core/BoardState.h"

namespace morvane {

namespace {

// The window and most of its controls are in the desktop's own font, as its message boxes are.
constexpr FontSpec kWindowFont = kSystemFont;
constexpr FontSpec kBoldFont{"MS Sans Serif", 8.25, 700};
constexpr FontSpec kReadoutFont{"Arial", 21.75, 400};

// The cyan of both readouts' figures.
constexpr FixedColour kReadoutInk{0, 255, 255};

constexpr int kHolderSize = 495;

// Top of each letter row; capital rows sit 480 twips above their small letters.
constexpr std::array<int, 10> kLetterRowTops{600,  1080, 2040, 2520, 3480,
                                             3960, 4800, 5280, 6120, 6600};

constexpr ControlSpec label(std::string_view name, TwipRect rect, std::string_view caption,
                            SystemColour background, ColourSpec text, FontSpec font, int tabIndex,
                            ControlRole role = ControlRole::None,
                            TextAlignment alignment = TextAlignment::Left) {
    return {.name = name,
            .kind = ControlKind::Label,
            .container = Container::Window,
            .rect = rect,
            .caption = caption,
            .alignment = alignment,
            .background = background,
            .foreground = text,
            .font = font,
            .tabIndex = tabIndex,
            .role = role};
}

// A holder off the board: a hand's view, or one of four hidden holders that take no part in
// play: a store behind each hand's view (Picture63, Picture28), which the redraw keeps showing
// the hand's tile, and Picture45 and Picture46 in the frame, which stay blank. The hidden ones
// are built so that the window has all of its 68 holders, each with its name and its place in
// the focus order; hidden, they are never drawn and never take a click or the focus.
constexpr ControlSpec slotHolder(std::string_view name, Container container, TwipRect rect,
                                 bool visible, int tabIndex, ControlRole role) {
    return {.name = name,
            .kind = ControlKind::PictureHolder,
            .container = container,
            .rect = rect,
            .background = SystemColour::ButtonFace,
            .visible = visible,
            .tabIndex = tabIndex,
            .initialTile = BlankTile,
            .role = role};
}

// A push button, a level option or the frame: a caption in the window font on the button face.
constexpr ControlSpec buttonFaceControl(ControlKind kind, std::string_view name,
                                        Container container, TwipRect rect,
                                        std::string_view caption, int tabIndex, ControlRole role) {
    return {.name = name,
            .kind = kind,
            .container = container,
            .rect = rect,
            .caption = caption,
            .background = SystemColour::ButtonFace,
            .foreground = SystemColour::ButtonText,
            .font = kWindowFont,
            .tabIndex = tabIndex,
            .role = role};
}

constexpr ControlSpec line(std::string_view name, TwipLine ends) {
    return {.name = name,
            .kind = ControlKind::Line,
            .container = Container::Window,
            .line = ends,
            .foreground = SystemColour::HighlightText};
}

constexpr std::size_t kOtherCount = 23;

constexpr std::array<ControlSpec, kOtherCount> kOtherControls{{
    label("Label1", {240, 240, 615, 255}, "Letters", SystemColour::ButtonFace,
          SystemColour::ButtonText, kWindowFont, 25),
    label("Label4", {5040, 120, 2895, 255}, "For more information press F1 key",
          SystemColour::Desktop, SystemColour::HighlightText, kWindowFont, 76),
    label("Label2", {6000, 840, 735, 255}, "Numbers", SystemColour::ButtonFace,
          SystemColour::ButtonText, kWindowFont, 66),
    label("Label3", {9480, 240, 495, 255}, "Count", SystemColour::Desktop,
          SystemColour::ActiveTitleBar, kBoldFont, 68, ControlRole::CountCaption),
    {.name = "Text1",
     .kind = ControlKind::TextBox,
     .container = Container::Window,
     .rect = {10080, 240, 735, 285},
     .background = SystemColour::WindowText,
     .foreground = kReadoutInk,
     .font = kWindowFont,
     .tabIndex = 67,
     .role = ControlRole::CountReadout},
    slotHolder("Picture27", Container::Window, {6000, 2040, 495, 495}, true, 64,
               ControlRole::NumberHandView),
    slotHolder("Picture28", Container::Window, {6480, 2040, 495, 495}, false, 65,
               ControlRole::NumberHandStore),
    buttonFaceControl(ControlKind::PushButton, "Command5", Container::Window,
                      {5280, 2760, 495, 495}, "< | >", 54, ControlRole::ExchangeHandsButton),
    slotHolder("Picture63", Container::Window, {3960, 3480, 495, 495}, false, 52,
               ControlRole::LetterHandStore),
    slotHolder("Picture64", Container::Window, {4440, 3480, 495, 495}, true, 53,
               ControlRole::LetterHandView),
    // The seconds figure stands at the right, next to its "Seconds" caption.
    label("Label5", {5760, 3960, 4215, 495}, "", SystemColour::WindowText, kReadoutInk,
          kReadoutFont, 80, ControlRole::ElapsedReadout, TextAlignment::Right),
    label("Label6", {10080, 4080, 855, 255}, "Seconds", SystemColour::Desktop,
          SystemColour::ActiveTitleBar, kBoldFont, 81, ControlRole::ElapsedCaption),
    buttonFaceControl(ControlKind::Frame, "Frame1", Container::Window, {5760, 4560, 4215, 1935},
                      "    Difficulty Levels    ", 69, ControlRole::LevelFrame),
    buttonFaceControl(ControlKind::OptionButton, "Option1", Container::Frame1,
                      {240, 360, 2295, 375}, "English Numbers only", 70,
                      ControlRole::NumbersOnlyOption),
    buttonFaceControl(ControlKind::OptionButton, "Option2", Container::Frame1,
                      {240, 840, 1815, 375}, "English Letters only", 71,
                      ControlRole::LettersOnlyOption),
    buttonFaceControl(ControlKind::OptionButton, "Option3", Container::Frame1,
                      {240, 1320, 2295, 375}, "Both Letters and Numbers", 72,
                      ControlRole::LettersAndNumbersOption),
    buttonFaceControl(ControlKind::PushButton, "Command1", Container::Frame1,
                      {2640, 360, 1215, 855}, "Shuffle", 73, ControlRole::ShuffleButton),
    buttonFaceControl(ControlKind::PushButton, "Command2", Container::Frame1,
                      {2640, 1320, 1215, 375}, "About", 78, ControlRole::AboutButton),
    slotHolder("Picture45", Container::Frame1, {2640, 120, 495, 495}, false, 74, ControlRole::None),
    slotHolder("Picture46", Container::Frame1, {3360, 120, 495, 495}, false, 75, ControlRole::None),
    line("Line1", {4920, 3720, 5520, 3720}),
    line("Line2", {5520, 2280, 5520, 3720}),
    line("Line3", {5520, 2280, 6000, 2280}),
}};

// The cell holders' tab indices, in cell-table order. The focus order follows the holders'
// numbers (Picture1 to Picture18 first), not the board.
constexpr std::array<int, Cell::kCount> kCellTabIndices{{
    3,  2,  5,  0,  26, 28, 30,              // A-G
    4,  31, 6,  32, 27, 29, 1,               // a-g
    10, 11, 12, 13, 14, 33, 41, 34,          // H-O
    17, 79, 9,  8,  7,  15, 16, 18,          // h-o
    35, 21, 24, 23,                          // P-S
    22, 37, 19, 20,                          // p-s
    38, 36, 39, 40,                          // T-W
    42, 43, 44, 45,                          // t-w
    46, 50, 48,                              // X-Z
    49, 47, 51,                              // x-z
    77, 60, 55, 56, 57, 58, 59, 61, 62, 63,  // 0-9
}};

constexpr int kTabStopCount = 82;

// Every control but the lines has a tab index, and together they run 0 to 81, each once.
consteval bool tabOrderIsComplete() {
    std::array<int, kTabStopCount> uses{};
    bool inRange = true;
    const auto use = [&](int tabIndex) {
        if (tabIndex < 0 || tabIndex >= kTabStopCount)
            inRange = false;
        else
            ++uses[static_cast<std::size_t>(tabIndex)];
    };
    for (const ControlSpec& controlSpec : kOtherControls) {
        if (controlSpec.tabIndex.has_value() == (controlSpec.kind == ControlKind::Line))
            return false;
        if (controlSpec.tabIndex)
            use(*controlSpec.tabIndex);
    }
    for (int tabIndex : kCellTabIndices)
        use(tabIndex);
    return inRange && std::ranges::all_of(uses, [](int count) { return count == 1; });
}
static_assert(tabOrderIsComplete());
static_assert(kOtherCount + Cell::kCount == WindowLayout::kControlCount);

ControlSpec cellSpec(Cell cell) {
    return {.name = BoardState::holderOf(cell),
            .kind = ControlKind::PictureHolder,
            .container = Container::Window,
            .rect = WindowLayout::cellRect(cell),
            .background = SystemColour::Desktop,
            .tabIndex = kCellTabIndices[static_cast<std::size_t>(cell.index())],
            .initialTile = GlyphTile(cell.homeCharacter()),
            .role = ControlRole::CellHolder,
            .cell = cell};
}

std::array<ControlSpec, WindowLayout::kControlCount> makeControls() {
    std::array<ControlSpec, WindowLayout::kControlCount> all{};
    auto out = std::copy(kOtherControls.begin(), kOtherControls.end(), all.begin());
    for (Cell cell : BoardState::cells())
        *out++ = cellSpec(cell);
    return all;
}

}  // namespace

const WindowSpec& WindowLayout::window() {
    static constexpr WindowSpec windowSpec{"Zandorel",  11055,
                                           7335,        SystemColour::Desktop,
                                           kWindowFont, WindowPlacement::SystemDefault};
    return windowSpec;
}

std::span<const ControlSpec, WindowLayout::kControlCount> WindowLayout::controls() {
    static const std::array<ControlSpec, kControlCount> all = makeControls();
    return all;
}

TwipRect WindowLayout::cellRect(Cell cell) {
    const int row = BoardState::rowOf(cell);
    const int column = BoardState::columnOf(cell);
    if (BoardState::areaOf(cell) == Area::NumberArea) {
        // 480 twips apart although 495 wide: neighbouring digits share one pixel column.
        return {6000 + 480 * column, 1200, kHolderSize, kHolderSize};
    }
    return {240 + 600 * column, kLetterRowTops[static_cast<std::size_t>(row)], kHolderSize,
            kHolderSize};
}

}  // namespace morvane
