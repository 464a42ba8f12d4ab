#pragma once

#include <QFont>
#include <QString>
#include <string_view>

#include "ui/look/LookSpecs.h"

namespace morvane {

// The two classic faces the window asks for. Where they are missing (as on most Linux
// desktops) a metric-compatible face stands in.
namespace ClassicFonts {

// The face drawn for the classic `face`: itself where it is installed, otherwise the first
// installed stand-in. Needs a QGuiApplication.
QString drawnFace(std::string_view face);

// Every font of the program comes from here, drawn without smoothing, at the whole pixel size
// nearest below its size in points at `dotsPerInch`.
QFont font(const FontSpec& fontSpec, int dotsPerInch);

}  // namespace ClassicFonts

}  // namespace morvane
