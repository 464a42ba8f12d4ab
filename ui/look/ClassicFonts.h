#pragma once

#include <QFont>

#include "ui/window/WindowLayout.h"

namespace morvane {

// The two classic faces the window asks for, by name. Where they are missing (as on most
// Linux desktops) Qt falls back to the metric-compatible faces registered here.
namespace ClassicFonts {

// Registers the fallbacks; safe to call more than once.
void installSubstitutions();

// Every font of the program comes from here, drawn without smoothing, at the whole pixel size
// nearest below its size in points at `dotsPerInch`.
QFont font(const FontSpec& fontSpec, int dotsPerInch);

}  // namespace ClassicFonts

}  // namespace morvane
