#pragma once

#include <string>
#include <vector>

namespace morvane {

// The variables that name the user's language, as gettext reads them. Empty means unset.
struct LocaleVariables {
    std::string language;    // LANGUAGE: a list of languages in order of preference, by ':'
    std::string lcAll;       // LC_ALL
    std::string lcMessages;  // LC_MESSAGES
    std::string lang;        // LANG

    static LocaleVariables fromEnvironment();
};

// The language of the help page F1 opens, chosen from those that have a page (named as the
// catalogues are: "de", "pt_BR", "sr@latin"), or empty for the English page.
//
// As gettext: the locale is the first of LC_ALL, LC_MESSAGES and LANG that is set; LANGUAGE
// comes first unless the locale is "C" or "POSIX" (or unset), and a "C" in LANGUAGE ends it.
// Each name falls back from the most to the least precise: de_DE.UTF-8@euro tries de_DE@euro,
// de@euro, de_DE, then de. Unlike gettext, the locale is still tried after a LANGUAGE whose
// languages have no page; and English, the page's own language, ends the search.
std::string helpLanguage(const LocaleVariables& locale, const std::vector<std::string>& available);

}  // namespace morvane
