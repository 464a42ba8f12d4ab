#pragma once

#include <QIcon>

namespace morvane {

// The built-in program icon, decoded for the title bar and the task list.
namespace ProgramIconLoader {

// The icon's 16-colour pictures, 32x32 and 16x16.
QIcon load();

}  // namespace ProgramIconLoader

}  // namespace morvane
