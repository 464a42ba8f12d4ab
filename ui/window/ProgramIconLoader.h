#pragma once

#include <QIcon>

namespace morvane {

// The built-in program icon, decoded for the title bar and the task list.
class ProgramIconLoader {
public:
    // The icon's 16-colour pictures, 32x32 and 16x16.
    static QIcon load();
};

}  // namespace morvane
