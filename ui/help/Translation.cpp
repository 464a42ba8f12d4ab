#include "ui/help/Translation.h"

#include <libintl.h>

#include <vector>

namespace morvane {

void openMessageCatalogues(const std::filesystem::path& programDir) {
    // gettext takes the folder as it is given: it must not depend on the working folder.
    const std::filesystem::path folder =
        (std::filesystem::absolute(programDir) / MORVANE_LOCALE_FROM_PROGRAM).lexically_normal();
    bindtextdomain(kTextDomain, folder.c_str());
}

const char* translated(const char* message) {
    return dgettext(kTextDomain, message);
}

std::string withArguments(std::string_view text,
                          std::initializer_list<std::string_view> arguments) {
    const std::vector<std::string_view> values(arguments);
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < values.size()) {
            out += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace morvane
