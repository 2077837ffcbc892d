#include "platform/descriptor_streams.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace caelix {

namespace {
constexpr std::size_t kBlockBytes = std::size_t{64} * 1024;
}  // namespace

DescriptorOutput::DescriptorOutput(int fd) : fd_(fd), buffer_(kBlockBytes) {
  setp(buffer_.data(), buffer_.data() + buffer_.size());
}

DescriptorOutput::~DescriptorOutput() { Drain(); }

bool DescriptorOutput::Drain() {
  const char* next = pbase();
  while (!error_ && next < pptr()) {
    const ssize_t n = ::write(fd_, next, static_cast<std::size_t>(pptr() - next));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error_ = std::error_code(n < 0 ? errno : EIO, std::generic_category());
      break;
    }
    next += n;
    written_ += static_cast<std::size_t>(n);
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return !error_;
}

DescriptorOutput::int_type DescriptorOutput::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int DescriptorOutput::sync() { return Drain() ? 0 : -1; }

std::streamsize DescriptorOutput::xsputn(const char* s, std::streamsize n) {
  if (error_) return 0;
  std::streamsize done = 0;
  while (done < n) {
    if (pptr() == epptr() && !Drain()) break;
    const std::streamsize room = epptr() - pptr();
    const std::streamsize part = n - done < room ? n - done : room;
    std::memcpy(pptr(), s + done, static_cast<std::size_t>(part));
    pbump(static_cast<int>(part));
    done += part;
  }
  return done;
}

DescriptorInput::DescriptorInput(int fd) : fd_(fd), buffer_(kBlockBytes) {
  setg(buffer_.data(), buffer_.data(), buffer_.data());
}

DescriptorInput::int_type DescriptorInput::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  while (true) {
    const ssize_t n = ::read(fd_, buffer_.data(), buffer_.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw std::system_error(errno, std::generic_category(), "read");
    setg(buffer_.data(), buffer_.data(), buffer_.data() + n);
    return n == 0 ? traits_type::eof() : traits_type::to_int_type(*gptr());
  }
}

}  // namespace caelix
