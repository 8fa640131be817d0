#pragma once

#include <string>
#include <string_view>

namespace krellix {

// The standard streams of a program run from a shell.
inline constexpr int kStdout = 1;
inline constexpr int kStderr = 2;

// True when the descriptor is a terminal.
bool IsTerminal(int fd);

// Writes to a descriptor through a buffer of its own. Once a write fails, the error is kept and
// later writes are dropped: a reader that went away (`| head`) shows as BrokenPipe().
class StreamWriter {
 public:
  // `line_buffered`: the buffer goes out at every Flush() request of a line end.
  explicit StreamWriter(int fd, bool line_buffered = false);
  ~StreamWriter();
  StreamWriter(const StreamWriter&) = delete;
  StreamWriter& operator=(const StreamWriter&) = delete;

  // Appends bytes; false once the stream has failed.
  bool Write(std::string_view bytes);
  // Ends a line: writes `end` and, when line buffered, flushes.
  bool EndLine(std::string_view end);
  // Hands the buffer to the descriptor.
  bool Flush();

  bool Failed() const { return error_ != 0; }
  bool BrokenPipe() const;
  // The system's reason of the failure ("No space left on device").
  std::string ErrorText() const;

 private:
  int fd_;
  bool line_buffered_;
  int error_ = 0;
  std::string buffer_;
};

// Writes the whole text to standard error at once, unbuffered.
void WriteStderr(std::string_view text);

// From now on a write to a pipe whose reader has gone fails with an error instead of ending the
// program, so the program can end quietly on its own terms.
void IgnoreBrokenPipeSignal();

// The full path of the running program, "" when the system does not tell.
std::string OwnProgramPath();

}  // namespace krellix
