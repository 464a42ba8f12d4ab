#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace morvane {

// The program's messages in the user's language: the command line's answers, the start-up
// checks and F1's failure message, for the grown-up. The window's own texts are not among them.
// The catalogues are those of the text domain "morvane", compiled from po/.
inline constexpr const char* kTextDomain = "morvane";

// Looks for the catalogues at the place the install gives them relative to the program, which
// the build tree copies, as for the help page.
void openMessageCatalogues(const std::filesystem::path& programDir);

// The message in the language of the locale set with setlocale(), or the message itself.
// xgettext finds the messages by this name.
const char* translated(const char* message);

// The text with %1, %2 ... replaced by the arguments, in whatever order the translation puts
// them. Anything else after a % is kept as it is.
std::string withArguments(std::string_view text, std::initializer_list<std::string_view> arguments);

}  // namespace morvane
