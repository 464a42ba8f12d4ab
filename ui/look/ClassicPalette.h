#pragma once

#include <QColor>
#include <QPalette>

#include "ui/look/LookSpecs.h"

namespace morvane {

// The window's colours. Linux desktops have no system colour scheme with these roles, so the
// program carries the classic one and gives it to every control whatever the desktop theme:
// a dark theme must not turn the readouts or the board unreadable.
namespace ClassicPalette {

QColor colour(SystemColour role);
QColor colour(const ColourSpec& colourSpec);

// Every role of every colour group set, so nothing falls through to the desktop theme.
const QPalette& base();

}  // namespace ClassicPalette

}  // namespace morvane
