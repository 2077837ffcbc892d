#pragma once
// Where the stored files live when no folder is given: the user's configuration folder, as the
// XDG Base Directory rules name it.
#include <filesystem>
#include <optional>

namespace caelix {

// Returns xdgConfigHome/caelix when xdgConfigHome is an absolute path, else home/.config/caelix
// when home is one; nothing when neither is (a relative or empty value counts as unset, as the
// XDG rules say). Either argument may be null.
std::optional<std::filesystem::path> DataFolderOf(const char* xdgConfigHome, const char* home);

// Returns DataFolderOf($XDG_CONFIG_HOME, $HOME), with the home folder of the user's account in
// place of a HOME that is unset or not absolute.
std::optional<std::filesystem::path> DefaultDataFolder();

// Creates folder and each missing parent, the new ones readable by the user alone (mode 0700).
// Returns true when folder exists as a folder afterwards.
bool CreateDataFolder(const std::filesystem::path& folder);

}  // namespace caelix
