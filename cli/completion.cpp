#include "cli/completion.h"

#include <CLI/CLI.hpp>
#include <ostream>
#include <vector>

namespace caelix {

namespace {

enum class ValueKind { Flag, Free, Folder, File, Choices };

struct OptionModel {
  std::vector<std::string> names;  // "--date", "-h"
  std::string description;
  ValueKind kind = ValueKind::Flag;
  std::vector<std::string> choices;
};

struct CommandModel {
  std::string name;
  std::string description;
  std::vector<OptionModel> options;
  std::vector<OptionModel> positionals;
};

// What an option's type name asks the completion to offer: "DIR", "FILE", "{a,b,c}" or nothing.
// The type name is the option's own followed by its checks' descriptions, each after a ':'; the
// first part that says is taken.
void ReadTypeName(const CLI::Option& o, OptionModel& m) {
  m.kind = ValueKind::Free;
  const std::string full = o.get_type_name();
  std::size_t start = 0;
  while (m.kind == ValueKind::Free && start <= full.size()) {
    std::size_t end = full.find(':', start);
    if (end == std::string::npos) end = full.size();
    const std::string_view type = std::string_view(full).substr(start, end - start);
    start = end + 1;
    if (type == kFolderValue) {
      m.kind = ValueKind::Folder;
    } else if (type == kFileValue) {
      m.kind = ValueKind::File;
    } else if (type.size() > 2 && type.front() == '{' && type.back() == '}') {
      m.kind = ValueKind::Choices;
      std::string word;
      for (const char c : type.substr(1, type.size() - 2)) {
        if (c != ',') {
          word += c;
        } else if (!word.empty()) {
          m.choices.push_back(std::move(word));
          word.clear();
        }
      }
      if (!word.empty()) m.choices.push_back(std::move(word));
    }
  }
}

OptionModel ModelOf(const CLI::Option& o) {
  OptionModel m;
  for (const std::string& l : o.get_lnames()) m.names.push_back("--" + l);
  for (const std::string& s : o.get_snames()) m.names.push_back("-" + s);
  m.description = o.get_description();
  if (o.get_positional() || o.get_expected_max() > 0) ReadTypeName(o, m);
  return m;
}

CommandModel ModelOf(const CLI::App& app) {
  CommandModel c;
  c.name = app.get_name();
  c.description = app.get_description();
  for (const CLI::Option* o : app.get_options()) {
    (o->get_positional() ? c.positionals : c.options).push_back(ModelOf(*o));
  }
  return c;
}

std::string Joined(const std::vector<std::string>& words, std::string_view separator = " ") {
  std::string text;
  for (const std::string& w : words) {
    if (!text.empty()) text += separator;
    text += w;
  }
  return text;
}

std::vector<std::string> OptionNames(const CommandModel& c) {
  std::vector<std::string> names;
  for (const OptionModel& o : c.options) names.insert(names.end(), o.names.begin(), o.names.end());
  return names;
}

// The bash line that fills COMPREPLY with what a value of kind offers for the word $cur.
std::string BashValues(const OptionModel& o) {
  switch (o.kind) {
    case ValueKind::Folder:
      return "compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -d -- \"$cur\")";
    case ValueKind::File:
      return "compopt -o filenames 2>/dev/null; mapfile -t COMPREPLY < <(compgen -f -- \"$cur\")";
    case ValueKind::Choices:
      return "mapfile -t COMPREPLY < <(compgen -W '" + Joined(o.choices) + "' -- \"$cur\")";
    case ValueKind::Flag:
    case ValueKind::Free:
      break;
  }
  return ":";
}

std::string BashCommandCase(const CommandModel& c) {
  std::string s = "    " + c.name + ")\n      case $prev in\n";
  for (const OptionModel& o : c.options) {
    if (o.kind == ValueKind::Flag) continue;
    s += "        " + Joined(o.names, "|") + ") " + BashValues(o) + "; return ;;\n";
  }
  s += "      esac\n";
  if (!c.positionals.empty()) {
    s += "      if [[ $cur != -* ]]; then " + BashValues(c.positionals.front()) + "; return; fi\n";
  }
  s += "      mapfile -t COMPREPLY < <(compgen -W '" + Joined(OptionNames(c)) + "' -- \"$cur\") ;;\n";
  return s;
}

std::string BashScript(const CommandModel& top, const std::vector<CommandModel>& commands) {
  std::vector<std::string> names;
  names.reserve(commands.size());
  for (const CommandModel& c : commands) names.push_back(c.name);
  std::vector<std::string> topWords = names;
  for (const std::string& n : OptionNames(top)) topWords.push_back(n);

  std::string s = "# bash completion for caelix, written by `caelix completion bash`\n";
  s += "_caelix() {\n";
  s += "  local cur=${COMP_WORDS[COMP_CWORD]} prev= command= i\n";
  s += "  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}\n";
  s += "  # --option=value arrives as three words: the option, \"=\" and the value.\n";
  s += "  if [[ $cur == = ]]; then\n    cur=\n  elif [[ $prev == = ]] && ((COMP_CWORD > 1)); then\n";
  s += "    prev=${COMP_WORDS[COMP_CWORD - 2]}\n  fi\n";
  s += "  COMPREPLY=()\n";
  s += "  for ((i = 1; i < COMP_CWORD; i++)); do\n";
  s += "    case ${COMP_WORDS[i]} in\n      " + Joined(names, "|") + ") command=${COMP_WORDS[i]}; break ;;\n";
  s += "    esac\n  done\n";
  s += "  case $command in\n";
  s += "    '') mapfile -t COMPREPLY < <(compgen -W '" + Joined(topWords) + "' -- \"$cur\") ;;\n";
  for (const CommandModel& c : commands) s += BashCommandCase(c);
  s += "  esac\n}\ncomplete -F _caelix caelix\n";
  return s;
}

// Text inside single quotes in zsh, with the brackets and colons of an _arguments spec escaped.
std::string ZshSpecText(std::string_view text) {
  std::string s;
  for (char ch : text) {
    if (ch == '\'') {
      s += "'\\''";
    } else {
      if (ch == '[' || ch == ']' || ch == ':' || ch == '\\') s += '\\';
      s += ch;
    }
  }
  return s;
}

// The _arguments action of a value: ":message:action".
std::string ZshAction(const OptionModel& o) {
  switch (o.kind) {
    case ValueKind::Folder:
      return ":folder:_files -/";
    case ValueKind::File:
      return ":file:_files";
    case ValueKind::Choices:
      return ":value:(" + Joined(o.choices) + ")";
    case ValueKind::Flag:
      return "";
    case ValueKind::Free:
      break;
  }
  return ":value: ";
}

std::string ZshOptionSpecs(const CommandModel& c, const char* indent) {
  std::string s;
  for (const OptionModel& o : c.options) {
    for (const std::string& n : o.names) {
      s += indent;
      s += "'" + n + (o.kind == ValueKind::Flag ? "" : "=") + "[" + ZshSpecText(o.description) + "]" + ZshAction(o) +
           "' \\\n";
    }
  }
  for (std::size_t i = 0; i < c.positionals.size(); ++i) {
    s += indent;
    s += "'" + std::to_string(i + 1) + ZshAction(c.positionals[i]) + "' \\\n";
  }
  return s;
}

std::string ZshScript(const CommandModel& top, const std::vector<CommandModel>& commands) {
  std::string s = "#compdef caelix\n# zsh completion for caelix, written by `caelix completion zsh`\n";
  s += "_caelix() {\n  local curcontext=$curcontext state line\n  typeset -A opt_args\n";
  s += "  _arguments -C \\\n";
  s += ZshOptionSpecs(top, "    ");
  s += "    '1:command:->command' \\\n    '*::argument:->argument'\n";
  s += "  case $state in\n    command)\n      _values command \\\n";
  for (std::size_t i = 0; i < commands.size(); ++i) {
    s += "        '" + commands[i].name + "[" + ZshSpecText(commands[i].description) + "]'";
    s += i + 1 < commands.size() ? " \\\n" : "\n";
  }
  s += "      ;;\n    argument)\n      case $line[1] in\n";
  for (const CommandModel& c : commands) {
    s += "        " + c.name + ")\n          _arguments \\\n";
    std::string specs = ZshOptionSpecs(c, "            ");
    specs.erase(specs.size() - 3);  // the last spec ends the command
    s += specs + "\n          ;;\n";
  }
  s += "      esac\n      ;;\n  esac\n}\n_caelix \"$@\"\n";
  return s;
}

}  // namespace

CLI::App* AddCompletionCommand(CLI::App& app, CompletionOptions& options) {
  CLI::App* completion = app.add_subcommand(
      "completion", "Print the shell completion script for bash or zsh (make install puts both where the shells look)");
  completion->group("");  // for installers: left out of the help's list of commands
  completion->add_option("shell", options.shell, "The shell: bash or zsh")
      ->required()
      ->type_name("SHELL")
      ->check(CLI::IsMember({"bash", "zsh"}));
  return completion;
}

std::string CompletionScript(const CLI::App& app, std::string_view shell) {
  const CommandModel top = ModelOf(app);
  std::vector<CommandModel> commands;
  for (const CLI::App* sub : app.get_subcommands(nullptr)) commands.push_back(ModelOf(*sub));
  if (shell == "bash") return BashScript(top, commands);
  if (shell == "zsh") return ZshScript(top, commands);
  return {};
}

int RunCompletionCommand(const CompletionOptions& options, const CLI::App& app, std::ostream& out) {
  out << CompletionScript(app, options.shell);
  return 0;
}

}  // namespace caelix
