#include "ui/help/HelpLanguage.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

namespace morvane {

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool isPlainC(std::string_view name) {
    return name == "C" || name == "POSIX";
}

// The names to try for one locale name, language[_territory][.codeset][@modifier], from the
// most precise to the least. Pages are named without a codeset.
std::vector<std::string> fallbacks(std::string_view name) {
    std::string modifier;
    if (const auto at = name.find('@'); at != std::string_view::npos) {
        modifier = name.substr(at);
        name = name.substr(0, at);
    }
    name = name.substr(0, name.find('.'));
    const std::string_view language = name.substr(0, name.find('_'));
    std::vector<std::string> names;
    const auto add = [&names](std::string candidate) {
        if (std::ranges::find(names, candidate) == names.end())
            names.push_back(std::move(candidate));
    };
    if (!modifier.empty()) {
        add(std::string(name) + modifier);
        add(std::string(language) + modifier);
    }
    add(std::string(name));
    add(std::string(language));
    return names;
}

// The language of `name`'s page: empty for English, nothing when no page fits.
std::optional<std::string> pageFor(std::string_view name,
                                   const std::vector<std::string>& available) {
    for (const std::string& candidate : fallbacks(name)) {
        if (candidate == "en")
            return std::string();
        if (std::ranges::find(available, candidate) != available.end())
            return candidate;
    }
    return std::nullopt;
}

}  // namespace

LocaleVariables LocaleVariables::fromEnvironment() {
    return {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"), variable("LANG")};
}

std::string helpLanguage(const LocaleVariables& locale, const std::vector<std::string>& available) {
    std::string_view messages = locale.lcAll;
    if (messages.empty())
        messages = locale.lcMessages;
    if (messages.empty())
        messages = locale.lang;
    if (messages.empty() || isPlainC(messages))
        return {};

    std::string_view list = locale.language;
    while (!list.empty()) {
        const auto colon = list.find(':');
        const std::string_view entry = list.substr(0, colon);
        list = colon == std::string_view::npos ? std::string_view() : list.substr(colon + 1);
        if (isPlainC(entry))
            return {};
        if (entry.empty())
            continue;
        if (auto page = pageFor(entry, available))
            return *page;
    }
    return pageFor(messages, available).value_or(std::string());
}

}  // namespace morvane
