#pragma once
// Stream buffers over a file descriptor that keep the system's reason for a failure, where the
// standard streams keep only "it failed": standard output and standard input of the command line.
#include <cstddef>
#include <streambuf>
#include <system_error>
#include <vector>

namespace caelix {

// Output in blocks of 64 KiB written with write(2). After the first failure nothing more is
// written, every later write fails (the stream's badbit) and Error() says why.
class DescriptorOutput : public std::streambuf {
 public:
  explicit DescriptorOutput(int fd);
  ~DescriptorOutput() override;  // flushes; a failure stays in Error()

  std::error_code Error() const { return error_; }
  // The number of bytes handed to the system so far.
  std::size_t Written() const { return written_; }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;

 private:
  bool Drain();

  int fd_;
  std::vector<char> buffer_;
  std::error_code error_;
  std::size_t written_ = 0;
};

// Input in blocks of 64 KiB read with read(2). A read error throws std::system_error with the
// system's reason, so that it can never pass for the end of the input.
class DescriptorInput : public std::streambuf {
 public:
  explicit DescriptorInput(int fd);

 protected:
  int_type underflow() override;

 private:
  int fd_;
  std::vector<char> buffer_;
};

}  // namespace caelix
