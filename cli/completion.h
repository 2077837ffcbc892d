#pragma once
// `caelix completion bash|zsh`: the shell completion scripts, written from the command line's own
// definition so that they offer exactly its subcommands, options and choices.
#include <iosfwd>
#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace caelix {

struct CompletionOptions {
  std::string shell;  // bash or zsh
};

// Adds the completion subcommand and its argument to app; the shell is written into options.
CLI::App* AddCompletionCommand(CLI::App& app, CompletionOptions& options);

// The value type names that tell the completion what to offer for an option's value: a folder,
// a file, or (a type name "{a,b,c}") one of the listed words.
inline constexpr const char* kFolderValue = "DIR";
inline constexpr const char* kFileValue = "FILE";

// Returns the completion script of app's command line for shell "bash" or "zsh" (empty for any
// other): the subcommands, every option of each with its description, and the values an option
// or argument offers as its type name tells.
std::string CompletionScript(const CLI::App& app, std::string_view shell);

// Prints the script the options ask for; returns the exit status (0).
int RunCompletionCommand(const CompletionOptions& options, const CLI::App& app, std::ostream& out);

}  // namespace caelix
