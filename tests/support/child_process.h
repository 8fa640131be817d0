#pragma once

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

namespace krellix::test {

// Exit code of a child that could not set up what the test needs: the test is skipped.
inline constexpr int kCannotSetUp = 77;

// Runs `body` in a child process and gives its exit code (-1 when it did not exit).
inline int InChild(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) std::_Exit(body());
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a child process: mounts a tmpfs of `size` (such as "64k") on the existing folder `dir`
// in a mount namespace of its own (nothing outside the child sees it) and runs `body`.
// Gives kCannotSetUp where the kernel does not allow that.
inline int WithTmpfs(const std::string& dir, const std::string& size,
                     const std::function<int()>& body) {
  return InChild([&] {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return kCannotSetUp;
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
    std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
    if (::mount("none", dir.c_str(), "tmpfs", 0, ("size=" + size).c_str()) != 0) {
      return kCannotSetUp;
    }
    return body();
  });
}

// Runs `body` as the unprivileged user 65534 in a child when this process is root, else
// directly. Gives kCannotSetUp when the user cannot be switched.
inline int AsNormalUser(const std::function<int()>& body) {
  if (::geteuid() != 0) return body();
  return InChild([&] {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) return kCannotSetUp;
    return body();
  });
}

}  // namespace krellix::test
