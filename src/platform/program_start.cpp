#include "platform/program_start.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace krellix {
namespace {

// Writes all of `value` to `fd`, retrying after signals; failures are ignored because the
// only reader is our own parent, which then sees an exec that worked.
void WriteInt(int fd, int value) {
  const char* p = reinterpret_cast<const char*>(&value);
  std::size_t left = sizeof value;
  while (left > 0) {
    const ssize_t n = ::write(fd, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

}  // namespace

FileResult StartDetached(const std::string& program, const std::vector<std::string>& args) {
  // Everything the child touches is prepared before fork: after it only async-signal-safe
  // calls are allowed.
  std::vector<char*> argv;
  argv.reserve(args.size() + 2);
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);

  // The grandchild reports a failed exec through this pipe; a successful exec closes it.
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return ErrnoError(program, errno);
  const pid_t child = ::fork();
  if (child < 0) {
    const int code = errno;
    ::close(report[0]);
    ::close(report[1]);
    return ErrnoError(program, code);
  }
  if (child == 0) {
    // The middle process exits at once, so the started program is adopted by init and
    // never becomes our zombie.
    ::close(report[0]);
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild < 0) {
      WriteInt(report[1], errno);
      ::_exit(1);
    }
    if (grandchild == 0) {
      ::execv(program.c_str(), argv.data());
      WriteInt(report[1], errno);
      ::_exit(127);
    }
    ::_exit(0);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  int code = 0;
  ssize_t got = 0;
  do {
    got = ::read(report[0], &code, sizeof code);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  if (got == static_cast<ssize_t>(sizeof code)) return ErrnoError(program, code);
  return {};
}

}  // namespace krellix
