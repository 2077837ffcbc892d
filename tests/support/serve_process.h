#pragma once
// `caelix serve` run as a process of its own, as a person starts it: its stdout read for the URL
// it prints, signals sent to it, its exit status collected.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace caelix::testing {

class ServeProcess {
 public:
  // Starts `caelix serve <args>` in folder cwd, with the environment variables env ("NAME=value")
  // added to this process's.
  ServeProcess(const std::vector<std::string>& args, const std::filesystem::path& cwd,
               const std::vector<std::string>& env = {}) {
    int out[2];
    if (::pipe(out) != 0) return;
    pid_ = ::fork();
    if (pid_ == 0) {
      ::dup2(out[1], STDOUT_FILENO);
      ::dup2(out[1], STDERR_FILENO);
      ::close(out[0]);
      ::close(out[1]);
      if (::chdir(cwd.c_str()) != 0) ::_exit(126);
      for (const std::string& e : env) ::putenv(const_cast<char*>(e.c_str()));
      std::vector<const char*> argv{CAELIX_BINARY, "serve"};
      for (const std::string& a : args) argv.push_back(a.c_str());
      argv.push_back(nullptr);
      ::execv(CAELIX_BINARY, const_cast<char* const*>(argv.data()));
      ::_exit(127);
    }
    ::close(out[1]);
    out_ = out[0];
  }
  ~ServeProcess() {
    if (pid_ > 0 && !exited_) {
      ::kill(pid_, SIGKILL);
      ::waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) ::close(out_);
  }
  ServeProcess(const ServeProcess&) = delete;
  ServeProcess& operator=(const ServeProcess&) = delete;

  // Returns the next line the process prints (without its end), or what came before it went
  // quiet for timeoutMs or closed its output.
  std::string ReadLine(int timeoutMs = 5000) {
    std::string line;
    for (;;) {
      const std::size_t end = pending_.find('\n');
      if (end != std::string::npos) {
        line = pending_.substr(0, end);
        pending_.erase(0, end + 1);
        return line;
      }
      pollfd p{out_, POLLIN, 0};
      if (::poll(&p, 1, timeoutMs) <= 0) break;
      char buf[512];
      const ssize_t n = ::read(out_, buf, sizeof buf);
      if (n <= 0) break;
      pending_.append(buf, static_cast<std::size_t>(n));
    }
    line.swap(pending_);
    return line;
  }

  // Returns the port of the URL in the process's first line, or 0.
  int PortFromUrlLine(const std::string& line) const {
    const std::size_t colon = line.rfind(':');
    return colon == std::string::npos ? 0 : std::atoi(line.c_str() + colon + 1);
  }

  void Signal(int sig) const { ::kill(pid_, sig); }

  bool Running() {
    if (exited_) return false;
    if (::waitpid(pid_, &status_, WNOHANG) == 0) return true;
    exited_ = true;
    return false;
  }

  // Returns the exit status once the process ends within timeoutMs, or -1 (it is then killed).
  int Wait(int timeoutMs = 10000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Running()) {
      if (std::chrono::steady_clock::now() > deadline) return -1;
      ::usleep(10000);
    }
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
  }

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  int status_ = 0;
  bool exited_ = false;
  std::string pending_;
};

}  // namespace caelix::testing
