#pragma once

#include <optional>
#include <string>
#include <utility>

namespace krellix {

// Why a file operation failed: the file it concerns and the system's reason.
struct FileError {
  std::string path;    // the file as the caller named it
  std::string reason;  // the system's text, "No space left on device" say
  int code = 0;        // the errno value behind `reason`, 0 when there is none
};

// The error for `path` from an errno value.
FileError ErrnoError(std::string path, int code);

// The outcome of a file operation: success, or a FileError.
class [[nodiscard]] FileResult {
 public:
  // Success.
  FileResult() = default;
  // A failure; converts, so a function can return its FileError.
  FileResult(FileError error) : error_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool Ok() const { return !error_.has_value(); }
  explicit operator bool() const { return Ok(); }
  // Only when !Ok().
  const FileError& Error() const { return *error_; }

 private:
  std::optional<FileError> error_;
};

// A message followed by the reason in parentheses: "Close failed for: /a/b.txt (No space left
// on device)". The message stays on one line.
std::string WithReason(const std::string& message, const FileError& error);

}  // namespace krellix
