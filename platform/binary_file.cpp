#include "platform/binary_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <system_error>

namespace caelix {

namespace {

// A name beside the target that no other writer of this or another process picks.
std::filesystem::path TemporaryBeside(const std::filesystem::path& target) {
  static std::atomic<unsigned> counter{0};
  char suffix[64];
  std::snprintf(suffix, sizeof suffix, ".%ld.%u.tmp", static_cast<long>(::getpid()), counter++);
  std::filesystem::path p = target;
  p += suffix;
  return p;
}

// Removes the temporary files beside target that a writer killed before its rename left behind:
// those whose process is gone. A live writer's file (this process's included) stays.
void RemoveLeftovers(const std::filesystem::path& target) {
  const std::string prefix = target.filename().string() + ".";
  std::error_code error;
  std::filesystem::directory_iterator it(target.parent_path().empty() ? "." : target.parent_path(), error);
  for (; !error && it != std::filesystem::directory_iterator(); it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= prefix.size() + 4 || name.compare(0, prefix.size(), prefix) != 0) continue;
    if (name.compare(name.size() - 4, 4, ".tmp") != 0) continue;
    long pid = 0;
    unsigned n = 0;
    char end = 0;
    if (std::sscanf(name.c_str() + prefix.size(), "%ld.%u.tm%c", &pid, &n, &end) != 3 || pid <= 0) continue;
    if (pid == static_cast<long>(::getpid())) continue;
    if (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH) continue;
    std::error_code ignored;
    std::filesystem::remove(it->path(), ignored);
  }
}

}  // namespace

BinaryFile::~BinaryFile() {
  if (mode_ == FileMode::CreateWriteExclusive) {
    Discard();
  } else {
    Close();
  }
}

bool BinaryFile::Open(const std::filesystem::path& path, FileMode mode) {
  if (IsOpen()) return false;
  mode_ = mode;
  failed_ = false;
  target_ = path;
  if (mode == FileMode::ReadShareDenyWrite) {
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0) return false;
    if (::flock(fd_, LOCK_SH | LOCK_NB) != 0) {
      ::close(fd_);
      fd_ = -1;
      return false;
    }
    return true;
  }
  temporary_ = TemporaryBeside(path);
  fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd_ < 0) return false;
  ::flock(fd_, LOCK_EX | LOCK_NB);
  return true;
}

std::size_t BinaryFile::Read(void* buffer, std::size_t size) {
  if (!IsOpen() || mode_ != FileMode::ReadShareDenyWrite) return 0;
  auto* out = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::read(fd_, out + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

bool BinaryFile::Write(const void* buffer, std::size_t size) {
  if (!IsOpen() || mode_ != FileMode::CreateWriteExclusive) return false;
  const auto* in = static_cast<const char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd_, in + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      failed_ = true;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool BinaryFile::Close() {
  if (!IsOpen()) return false;
  if (mode_ == FileMode::ReadShareDenyWrite) {
    ::close(fd_);
    fd_ = -1;
    return true;
  }
  bool ok = !failed_ && ::fsync(fd_) == 0;
  ok = (::close(fd_) == 0) && ok;
  fd_ = -1;
  if (ok) ok = std::rename(temporary_.c_str(), target_.c_str()) == 0;
  if (ok) RemoveLeftovers(target_);
  if (!ok) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
  }
  temporary_.clear();
  return ok;
}

void BinaryFile::Discard() {
  if (!IsOpen()) return;
  ::close(fd_);
  fd_ = -1;
  std::error_code ignored;
  std::filesystem::remove(temporary_, ignored);
  temporary_.clear();
}

}  // namespace caelix
