#pragma once
// The first word of a command line that names no subcommand, for an error that says which.
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace caelix {

// Returns the message for a command line whose first word that is not an option names none of
// app's subcommands: "unknown command 'charts'; did you mean 'chart'?" (the suggestion when a
// subcommand is one or two edits away), or "...; the commands are chart, batch, ...". A word that
// is long or holds anything but printable ASCII is not echoed. Nothing when the word is a
// subcommand or there is no such word.
std::optional<std::string> UnknownCommand(const CLI::App& app, int argc, const char* const* argv);

}  // namespace caelix
