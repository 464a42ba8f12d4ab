#include "app/UserLocale.h"

#include <libintl.h>

#include <QLocale>
#include <clocale>
#include <filesystem>
#include <system_error>

#include "ui/help/Translation.h"

namespace morvane {

void useUsersLanguage() {
    std::setlocale(LC_ALL, "");
    // The program's own file, as Qt finds it too; without it, gettext's own folder.
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error)
        openMessageCatalogues(program.parent_path());
}

void translateForQt() {
    bind_textdomain_codeset(kTextDomain, "UTF-8");
}

QString userDecimalSeparator() {
    return QLocale::system().decimalPoint();
}

}  // namespace morvane
