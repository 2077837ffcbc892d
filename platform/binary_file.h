#pragma once
// A binary file opened in one of the two ways the stored files use: reading with other writers
// kept out, or writing a new content that replaces the file whole. A replacement is written
// to a temporary file beside the target and renamed over it when closed, so the target is
// always either the old content or the new one, never a part; the folder is synced after the
// rename so that the new name survives a crash. Only a regular file is ever read: a FIFO, a
// device or a folder at the path counts as missing and never blocks.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace caelix {

enum class FileMode {
  ReadShareDenyWrite,    // read only; fails while another writer holds the file
  CreateWriteExclusive,  // create or replace, write only, nobody else has the new file
};

class BinaryFile {
 public:
  BinaryFile() = default;
  ~BinaryFile();  // closes; an unfinished replacement is discarded
  BinaryFile(const BinaryFile&) = delete;
  BinaryFile& operator=(const BinaryFile&) = delete;

  // Returns false when the file cannot be opened (missing, not a regular file, no permission,
  // locked); Error() then says why.
  bool Open(const std::filesystem::path& path, FileMode mode);
  bool IsOpen() const { return fd_ >= 0; }
  // Reads up to size bytes; returns the number read (0 at the end or on failure).
  std::size_t Read(void* buffer, std::size_t size);
  // Writes size bytes; returns false on failure (the replacement then fails at Close).
  bool Write(const void* buffer, std::size_t size);
  // Closes; a replacement is flushed to disk and renamed over the target. Returns false when
  // anything failed, the target then being unchanged.
  bool Close();
  // The system's reason for the first failure since Open, or no error.
  std::error_code Error() const { return error_; }

 private:
  bool Fail(int errorNumber);
  void Discard();

  int fd_ = -1;
  FileMode mode_ = FileMode::ReadShareDenyWrite;
  std::error_code error_;
  std::filesystem::path target_;
  std::filesystem::path temporary_;
};

// Replaces the file at path with bytes as a BinaryFile replacement does (temporary file, sync,
// rename, folder sync), so that a failure leaves the old file as it was. A character device or a
// FIFO already at path (/dev/stdout, a pipe) is written directly instead. Returns the system's
// reason for a failure, or no error.
std::error_code ReplaceFileContent(const std::filesystem::path& path, std::string_view bytes);

}  // namespace caelix
