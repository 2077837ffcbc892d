#include "platform/data_folder.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

namespace caelix {

namespace {

bool IsAbsolute(const char* path) { return path != nullptr && path[0] == '/'; }

// The home folder of the account running the program, from the password database.
std::string AccountHome() {
  std::vector<char> buffer(16384);
  passwd entry{};
  passwd* found = nullptr;
  if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 || found == nullptr) return {};
  return found->pw_dir != nullptr ? found->pw_dir : "";
}

}  // namespace

std::optional<std::filesystem::path> DataFolderOf(const char* xdgConfigHome, const char* home) {
  if (IsAbsolute(xdgConfigHome)) return std::filesystem::path(xdgConfigHome) / "caelix";
  if (IsAbsolute(home)) return std::filesystem::path(home) / ".config" / "caelix";
  return std::nullopt;
}

std::optional<std::filesystem::path> DefaultDataFolder() {
  const char* home = std::getenv("HOME");
  std::string account;
  if (!IsAbsolute(home)) {
    account = AccountHome();
    home = account.c_str();
  }
  return DataFolderOf(std::getenv("XDG_CONFIG_HOME"), home);
}

bool CreateDataFolder(const std::filesystem::path& folder) {
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return true;
  const std::filesystem::path parent = folder.parent_path();
  if (!parent.empty() && parent != folder && !CreateDataFolder(parent)) return false;
  if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) return false;
  return std::filesystem::is_directory(folder, ec);
}

}  // namespace caelix
