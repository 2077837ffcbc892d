#pragma once
// Runs the caelix command line as a user would and captures what it prints.
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace caelix::testing {

struct RunResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ReadWhole(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs `caelix <args>` (args already shell-quoted) with stdinText on stdin, in a fresh folder of
// its own and with XDG_CONFIG_HOME naming an empty folder, so that no stored file of the user's
// is read. shellPrefix, when given, comes before the program on the shell's command line
// ("cd FOLDER &&", "env -u NAME NAME=value").
inline RunResult RunCaelix(const std::string& args, const std::string& stdinText = {},
                           const std::string& shellPrefix = {}) {
  static std::atomic<int> counter = 0;
  const auto dir = std::filesystem::temp_directory_path() /
                   ("caelix-run-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(dir / "work");
  const auto inPath = dir / "in";
  std::ofstream(inPath, std::ios::binary) << stdinText;
  const std::string cmd = "cd " + (dir / "work").string() + " && export XDG_CONFIG_HOME=" + (dir / "config").string() +
                          " && " + shellPrefix + " " + std::string(CAELIX_BINARY) + " " + args + " <" +
                          inPath.string() + " >" + (dir / "out").string() + " 2>" + (dir / "err").string();
  RunResult r;
  const int raw = std::system(cmd.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadWhole(dir / "out");
  r.err = ReadWhole(dir / "err");
  std::filesystem::remove_all(dir);
  return r;
}

// Runs a bash script with $CAELIX naming the program and stdin from stdinText; captures what the
// script prints. The script redirects the program itself where a test needs it (>/dev/full).
inline RunResult RunShell(const std::string& script, const std::string& stdinText = {}) {
  static int counter = 0;
  const auto dir = std::filesystem::temp_directory_path() /
                   ("caelix-shell-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "in", std::ios::binary) << stdinText;
  std::ofstream(dir / "script", std::ios::binary) << script;
  const std::string cmd = std::string("CAELIX='") + CAELIX_BINARY + "' bash " + (dir / "script").string() + " <" +
                          (dir / "in").string() + " >" + (dir / "out").string() + " 2>" + (dir / "err").string();
  RunResult r;
  const int raw = std::system(cmd.c_str());
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadWhole(dir / "out");
  r.err = ReadWhole(dir / "err");
  std::filesystem::remove_all(dir);
  return r;
}

}  // namespace caelix::testing
