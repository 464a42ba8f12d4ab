#pragma once

class QWidget;

namespace morvane {

// The classic look as a window's own rather than the application's. A desktop may give every
// program another style, palette, font, style sheet or layout direction while it runs (KDE does
// all of these when its settings change); what a window and each widget in it have been given
// themselves, Qt leaves alone.
namespace WindowLook {

// Gives `window` and every widget in it the classic style, and lays the window out left to
// right whatever the language or the -reverse option asks. The window's palette and font are
// its builder's to set, each in full. Call once its widgets exist, before any style sheet can
// be set: a widget given a style while the application has a style sheet is drawn by that.
void adopt(QWidget& window);

}  // namespace WindowLook

}  // namespace morvane
