#include "cli/unknown_command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <string_view>
#include <vector>

namespace caelix {

namespace {

constexpr std::size_t kLongestEchoed = 40;

// Returns the number of single-character insertions, deletions and substitutions that turn a
// into b (Levenshtein's distance), by the usual one-row table.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

bool Echoable(std::string_view word) {
  return word.size() <= kLongestEchoed &&
         std::all_of(word.begin(), word.end(), [](char c) { return c >= 0x20 && c < 0x7f && c != '\''; });
}

}  // namespace

std::optional<std::string> UnknownCommand(const CLI::App& app, int argc, const char* const* argv) {
  std::string_view word;
  bool found = false;
  for (int i = 1; i < argc && !found; ++i) {
    word = argv[i];
    found = !word.starts_with('-');
  }
  if (!found) return std::nullopt;
  std::vector<std::string> names;
  std::string_view closest;
  std::size_t closestDistance = 3;
  for (const CLI::App* sub : app.get_subcommands(nullptr)) {
    if (sub->check_name(std::string(word))) return std::nullopt;
    names.push_back(sub->get_name());
    const std::size_t d = EditDistance(word, sub->get_name());
    if (d < closestDistance) {
      closestDistance = d;
      closest = sub->get_name();
    }
  }
  std::string message = Echoable(word) ? "unknown command '" + std::string(word) + "'" : "unknown command";
  if (!closest.empty()) return message + "; did you mean '" + std::string(closest) + "'?";
  message += "; the commands are ";
  for (std::size_t i = 0; i < names.size(); ++i) message += (i == 0 ? "" : ", ") + names[i];
  return message;
}

}  // namespace caelix
