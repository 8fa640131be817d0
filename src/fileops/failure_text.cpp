#include "fileops/failure_text.h"

#include <cerrno>

namespace krellix {

std::string FailureText(const FileError& error) {
  std::string reason = error.reason;
  // The system's words for these leave the user guessing which side is at fault.
  if (error.code == ENOENT) reason = "No longer there (No such file or directory)";
  if (error.code == ENAMETOOLONG) reason = "Name too long for the destination";
  return reason + ": " + error.path;
}

}  // namespace krellix
