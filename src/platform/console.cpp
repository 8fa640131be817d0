#include "platform/console.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace krellix {
namespace {

constexpr std::size_t kBufferSize = std::size_t{64} * 1024;

// Writes everything, going on after partial writes and interruptions; the errno of a failure.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

}  // namespace

bool IsTerminal(int fd) { return ::isatty(fd) == 1; }

StreamWriter::StreamWriter(int fd, bool line_buffered) : fd_(fd), line_buffered_(line_buffered) {
  buffer_.reserve(kBufferSize);
}

StreamWriter::~StreamWriter() { Flush(); }

bool StreamWriter::Write(std::string_view bytes) {
  if (error_ != 0) return false;
  if (buffer_.size() + bytes.size() > kBufferSize && !Flush()) return false;
  if (bytes.size() >= kBufferSize) {
    error_ = WriteAll(fd_, bytes);
    return error_ == 0;
  }
  buffer_.append(bytes);
  return true;
}

bool StreamWriter::EndLine(std::string_view end) {
  if (!Write(end)) return false;
  return !line_buffered_ || Flush();
}

bool StreamWriter::Flush() {
  if (error_ != 0) return false;
  error_ = WriteAll(fd_, buffer_);
  buffer_.clear();
  return error_ == 0;
}

bool StreamWriter::BrokenPipe() const { return error_ == EPIPE; }

std::string StreamWriter::ErrorText() const { return std::strerror(error_); }

void WriteStderr(std::string_view text) { WriteAll(kStderr, text); }

void IgnoreBrokenPipeSignal() { std::signal(SIGPIPE, SIG_IGN); }

std::string OwnProgramPath() {
  std::string path(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= path.size()) return {};
  path.resize(static_cast<std::size_t>(n));
  return path;
}

}  // namespace krellix
