#pragma once
// An exclusive lock between processes on a lock file, held for the lifetime of the object: what
// serialises a read-modify-write of a stored file across windows and programs.
#include <filesystem>

namespace caelix {

class FileLock {
 public:
  // Waits until this process holds the lock on the file at path, created when missing. When the
  // file cannot be opened (a read-only folder) or is not a regular file, no lock is held and the
  // caller goes on without it: a folder that cannot be written cannot be saved into either.
  explicit FileLock(const std::filesystem::path& path);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

}  // namespace caelix
