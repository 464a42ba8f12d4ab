#pragma once

// The window as it must come out at 96 DPI: every control's rectangle, caption, colours and
// font. Written out here by hand, apart from ui/window/WindowLayout.cpp, so that a slip in the
// layout table shows as a difference; every window test takes these facts from here alone.
#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <array>
#include <string_view>

#include "core/BoardState.h"
#include "core/Level.h"
#include "tests/support/BoardChecks.h"

namespace morvane::test::golden {

inline constexpr QSize kWindowSize{737, 489};

// The classic scheme, by role, and the three shades of its 3-D edges.
inline constexpr QColor kDesktop{0, 128, 128};
inline constexpr QColor kActiveTitleBar{0, 0, 128};
inline constexpr QColor kWindowText{0, 0, 0};
inline constexpr QColor kHighlightText{255, 255, 255};
inline constexpr QColor kButtonFace{192, 192, 192};
inline constexpr QColor kButtonText{0, 0, 0};
inline constexpr QColor kReadoutInk{0, 255, 255};
inline constexpr QColor kEdgeLight{255, 255, 255};
inline constexpr QColor kEdgeShadow{128, 128, 128};
inline constexpr QColor kEdgeDarkShadow{0, 0, 0};
// The dots of a focus frame on a push button: the opposite of button face.
inline constexpr QColor kFocusDots{63, 63, 63};

struct Font {
    const char* family;
    double points;
    bool bold;
    int pixelSize;  // whichever face stands in
};
inline constexpr Font kWindowFont{"MS Sans Serif", 8.25, false, 11};
inline constexpr Font kBoldFont{"MS Sans Serif", 8.25, true, 11};
inline constexpr Font kReadoutFont{"Arial", 21.75, false, 29};

struct Control {
    const char* name;
    QRect rect;                  // in the window; a line's includes both its ends
    const char* caption;         // at creation; none for the readouts, holders and lines
    QColor background;           // none for lines
    QColor text;                 // a line's colour; none for holders
    const Font* font = nullptr;  // for those that show text
    bool visible = true;
};

// The controls by their part in the game. Tests name controls by these; the object names
// (Picture64, Label5...) appear only here and where a test is about the names themselves.
inline constexpr const char* kLettersHeading = "Label1";
inline constexpr const char* kNumbersHeading = "Label2";
inline constexpr const char* kCountCaption = "Label3";
inline constexpr const char* kHelpHint = "Label4";
inline constexpr const char* kSecondsReadout = "Label5";
inline constexpr const char* kSecondsCaption = "Label6";
inline constexpr const char* kCountReadout = "Text1";
inline constexpr const char* kLevelFrame = "Frame1";
inline constexpr const char* kShuffleButton = "Command1";
inline constexpr const char* kAboutButton = "Command2";
inline constexpr const char* kExchangeButton = "Command5";
inline constexpr const char* kLetterHandView = "Picture64";
inline constexpr const char* kLetterHandStore = "Picture63";  // hidden
inline constexpr const char* kNumberHandView = "Picture27";
inline constexpr const char* kNumberHandStore = "Picture28";  // hidden
// Hidden holders over the Shuffle button's left and right upper corners.
inline constexpr std::array<const char*, 2> kHiddenOverShuffle{"Picture45", "Picture46"};
// The stepped path from the letter hand's view, up under "< | >", to the number hand's view.
inline constexpr std::array<const char*, 3> kHandLines{"Line1", "Line2", "Line3"};
// The option that selects each level, in the order of Level.
inline constexpr std::array<const char*, 3> kLevelOptions{"Option1", "Option2", "Option3"};
inline const char* levelOption(Level level) {
    return kLevelOptions[static_cast<std::size_t>(level)];
}
// The holder of the cell whose home is `home`.
inline const char* cellHolder(char home) {
    return BoardState::holderOf(cellOf(home)).data();
}

// Every control but the 62 cells, bottom to top where they overlap: lines under the rest, the
// frame under its contents.
inline constexpr std::array<Control, 23> kControls{{
    {"Line1", {328, 248, 41, 1}, nullptr, {}, kHighlightText},
    {"Line2", {368, 152, 1, 97}, nullptr, {}, kHighlightText},
    {"Line3", {368, 152, 33, 1}, nullptr, {}, kHighlightText},
    {"Label1", {16, 16, 41, 17}, "Letters", kButtonFace, kButtonText, &kWindowFont},
    {"Label4",
     {336, 8, 193, 17},
     "For more information press F1 key",
     kDesktop,
     kHighlightText,
     &kWindowFont},
    {"Label2", {400, 56, 49, 17}, "Numbers", kButtonFace, kButtonText, &kWindowFont},
    {"Label3", {632, 16, 33, 17}, "Count", kDesktop, kActiveTitleBar, &kBoldFont},
    {"Text1", {672, 16, 49, 19}, nullptr, kWindowText, kReadoutInk, &kWindowFont},
    {"Picture27", {400, 136, 33, 33}, nullptr, kButtonFace, {}},
    {"Picture28", {432, 136, 33, 33}, nullptr, kButtonFace, {}, nullptr, false},
    {"Command5", {352, 184, 33, 33}, "< | >", kButtonFace, kButtonText, &kWindowFont},
    {"Picture63", {264, 232, 33, 33}, nullptr, kButtonFace, {}, nullptr, false},
    {"Picture64", {296, 232, 33, 33}, nullptr, kButtonFace, {}},
    {"Label5", {384, 264, 281, 33}, nullptr, kWindowText, kReadoutInk, &kReadoutFont},
    {"Label6", {672, 272, 57, 17}, "Seconds", kDesktop, kActiveTitleBar, &kBoldFont},
    {"Frame1",
     {384, 304, 281, 129},
     "    Difficulty Levels    ",
     kButtonFace,
     kButtonText,
     &kWindowFont},
    {"Option1",
     {400, 328, 153, 25},
     "English Numbers only",
     kButtonFace,
     kButtonText,
     &kWindowFont},
    {"Option2",
     {400, 360, 121, 25},
     "English Letters only",
     kButtonFace,
     kButtonText,
     &kWindowFont},
    {"Option3",
     {400, 392, 153, 25},
     "Both Letters and Numbers",
     kButtonFace,
     kButtonText,
     &kWindowFont},
    {"Command1", {560, 328, 81, 57}, "Shuffle", kButtonFace, kButtonText, &kWindowFont},
    {"Command2", {560, 392, 81, 25}, "About", kButtonFace, kButtonText, &kWindowFont},
    {"Picture45", {560, 312, 33, 33}, nullptr, kButtonFace, {}, nullptr, false},
    {"Picture46", {608, 312, 33, 33}, nullptr, kButtonFace, {}, nullptr, false},
}};

inline const Control& control(std::string_view name) {
    for (const Control& each : kControls) {
        if (name == each.name)
            return each;
    }
    qFatal("no control %s in the golden table", name.data());
}
inline QString caption(std::string_view name) {
    return QString::fromLatin1(control(name).caption);
}

// The cells: letter rows step 32, 64 or 56 pixels down, columns 40 across; the digits stand
// 32 apart, so neighbouring digits share a pixel column as each capital row shares a pixel row
// with its small letters. All show the desktop colour round their pictures.
inline QRect cellRect(Cell cell) {
    static constexpr std::array<int, 10> kLetterRowTops{40,  72,  136, 168, 232,
                                                        264, 320, 352, 408, 440};
    const int column = BoardState::columnOf(cell);
    if (BoardState::areaOf(cell) == Area::NumberArea)
        return {400 + 32 * column, 80, 33, 33};
    return {16 + 40 * column, kLetterRowTops[static_cast<std::size_t>(BoardState::rowOf(cell))], 33,
            33};
}

// Any control's rectangle, a cell's holder's too.
inline QRect rect(std::string_view name) {
    const auto cell = BoardState::cellByHolder(name);
    return cell ? cellRect(*cell) : control(name).rect;
}

// The name of the visible control on top at `p`; empty on the window's own background. Where
// two cells share a pixel row or column, the later in the board's order lies on top.
inline QString controlAt(QPoint p) {
    const auto cells = BoardState::cells();
    for (auto cell = cells.rbegin(); cell != cells.rend(); ++cell) {
        if (cellRect(*cell).contains(p))
            return QString::fromLatin1(BoardState::holderOf(*cell).data());
    }
    for (auto each = kControls.rbegin(); each != kControls.rend(); ++each) {
        if (each->visible && each->rect.contains(p))
            return QString::fromLatin1(each->name);
    }
    return {};
}

// The holders and the count box have a sunken edge two pixels wide.
inline constexpr int kSunkenEdge = 2;
inline QRect innerRect(const QRect& outer) {
    return outer.adjusted(kSunkenEdge, kSunkenEdge, -kSunkenEdge, -kSunkenEdge);
}

// Where the window's controls differ from these rectangles, captions and visibility.
inline QStringList layoutDifferences(const QWidget& window) {
    QStringList differences;
    const auto compare = [&](const char* name, const QRect& rect, bool visible,
                             const char* caption) {
        const auto* widget = window.findChild<const QWidget*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            differences << QStringLiteral("%1 is missing").arg(QLatin1String(name));
            return;
        }
        const QRect at(widget->mapTo(&window, QPoint(0, 0)), widget->size());
        if (at != rect || widget->isVisibleTo(&window) != visible) {
            differences << QStringLiteral("%1 at %2,%3 %4x%5%6")
                               .arg(QLatin1String(name))
                               .arg(at.x())
                               .arg(at.y())
                               .arg(at.width())
                               .arg(at.height())
                               .arg(widget->isVisibleTo(&window) ? "" : ", hidden");
        }
        QVariant text = widget->property("text");
        if (!text.isValid())
            text = widget->property("title");
        if (caption != nullptr && text.toString() != QLatin1String(caption))
            differences << QStringLiteral("%1 reads \"%2\"").arg(name, text.toString());
    };
    for (const Control& each : kControls)
        compare(each.name, each.rect, each.visible, each.caption);
    for (Cell cell : BoardState::cells())
        compare(BoardState::holderOf(cell).data(), cellRect(cell), true, nullptr);
    return differences;
}

}  // namespace morvane::test::golden
