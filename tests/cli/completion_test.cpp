// The completion scripts of `caelix completion`, run in the shells they are written for.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "support/run.h"
#include "support/temp_dir.h"

namespace caelix {
namespace {

using testing::RunCaelix;
using testing::TempDir;

std::set<std::string> Words(const std::string& lines) {
  std::set<std::string> words;
  std::istringstream in(lines);
  for (std::string w; std::getline(in, w);) words.insert(w);
  return words;
}

std::string Shown(const std::set<std::string>& words) {
  std::string s;
  for (const auto& w : words) s += "[" + w + "] ";
  return s;
}

// What bash offers for the command line `line` (completing its last word; a line ending in a
// space completes an empty word), with the script loaded the way bash-completion loads it.
std::set<std::string> BashOffers(const std::filesystem::path& script, const std::string& line,
                                 const std::filesystem::path& cwd) {
  const auto out = cwd / "offers";
  const std::string program = "source '" + script.string() +
                              "'; read -ra COMP_WORDS <<<\"$1\"; [[ $1 == *' ' ]] && COMP_WORDS+=(''); "
                              "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _caelix; printf '%s\\n' \"${COMPREPLY[@]}\"";
  const std::string cmd = "cd '" + cwd.string() + "' && bash --norc --noprofile -c '" +
                          std::regex_replace(program, std::regex("'"), "'\\''") + "' caelix '" + line + "' >'" +
                          out.string() + "'";
  EXPECT_EQ(0, std::system(cmd.c_str())) << line;
  std::set<std::string> offers = Words(testing::ReadWhole(out));
  offers.erase("");
  return offers;
}

TEST(Completion, BashOffersTheCommandsOptionsAndValues) {
  TempDir t;
  const auto generated = RunCaelix("completion bash");
  ASSERT_EQ(0, generated.status) << generated.err;
  const auto script = t.Path() / "caelix.bash";
  std::ofstream(script) << generated.out;
  std::filesystem::create_directories(t.Path() / "charts");
  std::ofstream(t.Path() / "chart.svg") << "";

  const struct {
    const char* line;
    std::set<std::string> want;
  } cases[] = {
      {"caelix ", {"chart", "batch", "places", "gui", "serve", "completion", "--help", "-h", "--version"}},
      {"caelix c", {"chart", "completion"}},
      {"caelix --v", {"--version"}},
      {"caelix chart --h", {"--houses", "--help"}},
      {"caelix chart --houses ", {"placidus", "campanus", "koch", "P", "C", "K"}},
      {"caelix chart --houses = k", {"koch"}},  // --houses=k, as bash splits it
      {"caelix chart --page a", {"aspects", "all"}},
      {"caelix chart --date ", {}},  // a value to type, nothing to offer
      {"caelix chart --json --s", {"--svg", "--size", "--style"}},
      {"caelix chart --data-dir ch", {"charts"}},  // folders only
      {"caelix chart --svg ch", {"charts", "chart.svg"}},
      {"caelix batch --", {"--help", "--threads", "--pages", "--engine", "--resolve"}},
      {"caelix gui --", {"--help", "--data-dir", "--scale", "--engine"}},
      {"caelix completion ", {"bash", "zsh"}},
      {"caelix serve --", {"--help", "--port", "--bind", "--threads", "--engine"}},
  };
  for (const auto& c : cases) {
    const auto got = BashOffers(script, c.line, t.Path());
    EXPECT_EQ(c.want, got) << "'" << c.line << "': want " << Shown(c.want) << "got " << Shown(got);
  }
}

// zsh's completion functions need its line editor; here _arguments and _values are stood in for
// by functions that print the specs they are given, which shows what zsh made of the quoting.
std::set<std::string> ZshSpecs(const std::filesystem::path& script, const std::string& state,
                               const std::string& command) {
  const std::string program = "_arguments() { if [[ $1 == -C ]]; then state=" + state + "; line=(" + command +
                              "); else print -rl -- \"$@\"; fi }; _values() { shift; print -rl -- \"$@\" }; source " +
                              script.string();
  const auto out = script.parent_path() / "specs";
  const std::string cmd = "zsh -f -c '" + program + "' >'" + out.string() + "'";
  EXPECT_EQ(0, std::system(cmd.c_str())) << state << " " << command;
  return Words(testing::ReadWhole(out));
}

TEST(Completion, ZshGivesEachOptionItsDescriptionAndValues) {
  if (std::system("command -v zsh >/dev/null") != 0) GTEST_SKIP() << "zsh is not installed";
  TempDir t;
  const auto generated = RunCaelix("completion zsh");
  ASSERT_EQ(0, generated.status) << generated.err;
  EXPECT_TRUE(generated.out.starts_with("#compdef caelix\n"));
  const auto script = t.Path() / "_caelix";
  std::ofstream(script) << generated.out;

  const auto commands = ZshSpecs(script, "command", "");
  for (const char* c : {"chart[Compute one chart and print it]", "gui[Open the main dialog in a desktop window]"}) {
    EXPECT_TRUE(commands.contains(c)) << c << " not in " << Shown(commands);
  }
  const struct {
    const char* command;
    const char* spec;
  } cases[] = {
      {"chart",
       "--json[Print the chart as one JSON object\\: input, instants, bodies and the texts of all four pages]"},
      {"chart",
       "--houses=[House system\\: placidus, campanus, koch, P, C or K (default\\: stored)]:value:(placidus "
       "campanus koch P C K)"},
      {"chart",
       "--time=[Time HH\\:MM\\[.fraction\\] or HH\\:MM\\:SS\\: UT, or the local clock with --tz or --place (default\\: "
       "now)]:value: "},
      {"chart", "--svg=[Also write the chart wheel to this file as SVG]:file:_files"},
      {"gui",
       "--scale=[Size of the windows, 0.5 to 8\\: at 1 a dialog unit is 1.75 screen pixels (default\\: "
       "1.5)]:value: "},
      {"batch", "--pages[Include the four page texts in each JSON line]"},
      {"completion", "1:value:(bash zsh)"},
  };
  for (const auto& c : cases) {
    const auto specs = ZshSpecs(script, "argument", c.command);
    EXPECT_TRUE(specs.contains(c.spec)) << c.command << ": " << c.spec << "\nnot in " << Shown(specs);
  }
}

}  // namespace
}  // namespace caelix
