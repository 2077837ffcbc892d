#include "platform/binary_file.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
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

// Syncs the folder of path, so that a rename into it survives a crash. Returns 0 or the errno;
// a file system that cannot sync folders (EINVAL) counts as done.
int SyncFolderOf(const std::filesystem::path& path) {
  const std::filesystem::path folder = path.parent_path().empty() ? "." : path.parent_path();
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  const int result = ::fsync(fd) == 0 || errno == EINVAL ? 0 : errno;
  ::close(fd);
  return result;
}

// Writes all size bytes to fd; returns 0 or the errno.
int WriteAll(int fd, const char* bytes, std::size_t size) {
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, bytes + done, size - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    done += static_cast<std::size_t>(n);
  }
  return 0;
}

// Writes bytes into the device or FIFO at path, as it is. Returns 0 or the errno.
int WriteInPlace(const std::filesystem::path& path, std::string_view bytes) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errno;
  int result = WriteAll(fd, bytes.data(), bytes.size());
  if (::close(fd) != 0 && result == 0) result = errno;
  return result;
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
  error_.clear();
  target_ = path;
  if (mode == FileMode::ReadShareDenyWrite) {
    // Without O_NONBLOCK, opening a FIFO waits for a writer for ever.
    fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return Fail(errno);
    struct stat info {};
    int refused = ::fstat(fd_, &info) != 0 ? errno : 0;
    if (refused == 0 && !S_ISREG(info.st_mode)) refused = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
    if (refused == 0 && ::flock(fd_, LOCK_SH | LOCK_NB) != 0) refused = errno;
    if (refused != 0) {
      ::close(fd_);
      fd_ = -1;
      return Fail(refused);
    }
    return true;
  }
  temporary_ = TemporaryBeside(path);
  fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd_ < 0) return Fail(errno);
  ::flock(fd_, LOCK_EX | LOCK_NB);
  return true;
}

bool BinaryFile::Fail(int errorNumber) {
  if (!error_) error_ = std::error_code(errorNumber, std::generic_category());
  return false;
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
  if (error_) return false;
  const int result = WriteAll(fd_, static_cast<const char*>(buffer), size);
  return result == 0 || Fail(result);
}

bool BinaryFile::Close() {
  if (!IsOpen()) return false;
  if (mode_ == FileMode::ReadShareDenyWrite) {
    ::close(fd_);
    fd_ = -1;
    return true;
  }
  bool ok = !error_ && (::fsync(fd_) == 0 || Fail(errno));
  ok = (::close(fd_) == 0 || Fail(errno)) && ok;
  fd_ = -1;
  if (ok) ok = std::rename(temporary_.c_str(), target_.c_str()) == 0 || Fail(errno);
  if (ok) {
    const int synced = SyncFolderOf(target_);
    ok = synced == 0 || Fail(synced);
    RemoveLeftovers(target_);
  } else {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
  }
  temporary_.clear();
  return ok;
}

std::error_code ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes) {
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))) {
    const int result = WriteInPlace(path, bytes);
    return result == 0 ? std::error_code() : std::error_code(result, std::generic_category());
  }
  BinaryFile file;
  if (file.Open(path, FileMode::CreateWriteExclusive) && file.Write(bytes.data(), bytes.size()) && file.Close()) {
    return {};
  }
  return file.Error();
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
