#pragma once

#include <QIcon>

namespace morvane {

// The built-in program icon, decoded for the title bar and the task list.
class ProgramIconLoader {
public:
    // Every size the icon file holds; of two pictures the same size, the one with more colours.
    static QIcon load();
};

}  // namespace morvane
