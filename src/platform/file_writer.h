#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/file_result.h"

namespace krellix {

// What a FileWriter does with its target.
enum class WriteHow {
  // The bytes go to a temporary file beside the target, which replaces the target (or becomes
  // it) only when Commit succeeds. Until then, and after any failure, the target is untouched.
  kReplace,
  // As kReplace, but Commit fails ("File exists") when a file of that name has appeared.
  kCreateNew,
  // The bytes are added at the target's end in place (the file is created when missing). A
  // failure, or Abandon(), cuts the file back to its old length (removes a file it created).
  kAppend,
};

struct WriteOptions {
  // Permission bits of the file written. Default: those of the file it replaces, or 0666 less
  // the umask for a new file (as a plain create would give).
  std::optional<unsigned> permissions;
  // Modification time to give the file, in nanoseconds since the epoch.
  std::optional<std::int64_t> modified_ns;
};

// Writes one file so that it is never left half-written: a replacement goes to a uniquely
// named temporary file in the target's folder ("." + name + ".krellix-" + process id + "-" and
// six characters), which is flushed, synced, given the target's permissions and renamed over
// the target; the folder is synced last. Several writers (in this or other processes) may
// replace one target at once: each writes a whole file and the last rename wins.
//
// A target that is a symbolic link has the file it points to replaced, so the link stays. A
// target that exists and is neither a regular file nor a directory (a device, a FIFO) cannot
// be replaced and is written in place.
//
// Failures carry the path as given and the system's reason. Bytes are buffered; the first
// failed write is kept, later writes are dropped, and Commit reports it.
// The disk is asked to start writing every few MiB, so that a large file's final sync has
// little left to wait for.
class FileWriter {
 public:
  FileWriter() = default;
  // A writer still open is abandoned: its target stays as it was.
  ~FileWriter();
  FileWriter(const FileWriter&) = delete;
  FileWriter& operator=(const FileWriter&) = delete;

  // Starts writing `path` (bytes, any encoding). For a replacement this also removes the
  // temporary files that earlier writers of the same target left when their process was killed.
  // A writer still open is abandoned first.
  FileResult Open(const std::string& path, WriteHow how, const WriteOptions& options = {});
  bool IsOpen() const { return open_; }
  // The target as given to Open.
  const std::string& Path() const { return path_; }
  // The temporary file of an open replacement, "" otherwise.
  const std::string& TemporaryPath() const { return temp_; }

  // Adds bytes. False when no file is open or a write has failed.
  bool Write(std::string_view bytes);

  // Adds up to `size` bytes read from the open file `fd` at its position (which moves on) and
  // puts the count into `copied`; fewer only at the end of that file. The kernel moves the bytes
  // where it can (sharing the blocks on file systems that allow it), plain reads and writes
  // elsewhere. A failed write is kept as Write keeps it and returned with this file's path; a
  // failed read is returned with `from`, the path of `fd`.
  FileResult CopyFrom(int fd, const std::string& from, std::int64_t size, std::int64_t& copied);

  // Finishes the file: flushes, syncs and, for a replacement, renames the temporary file over
  // the target. On any failure everything is undone (see WriteHow) and the reason returned.
  // Success when nothing was open.
  FileResult Commit();

  // Gives up: the temporary file is removed, or an append is cut back. The target stays as it
  // was before Open.
  void Abandon();

 private:
  bool WriteOut(std::string_view bytes);
  bool Flush();
  void Landed(std::int64_t bytes);
  void Fail(int code);
  FileResult Undo(int code);
  void Reset();

  std::string path_;    // as given
  std::string target_;  // the file that is replaced (links resolved)
  std::string temp_;    // the temporary file of a replacement
  WriteHow how_ = WriteHow::kReplace;
  WriteOptions options_;
  bool open_ = false;
  int fd_ = -1;
  bool in_place_ = false;      // a device or FIFO, written directly
  bool created_ = false;       // kAppend made the file
  std::int64_t old_size_ = 0;  // kAppend: the length to cut back to
  int error_ = 0;              // the first failed write's errno
  std::int64_t unsent_ = 0;    // bytes written since the disk was last asked to take them
  bool kernel_copy_ = true;    // CopyFrom may try copy_file_range
  std::string buffer_;
};

// Replaces (or creates) `path` with `content` through a FileWriter.
FileResult WriteWholeFile(const std::string& path, std::string_view content,
                          const WriteOptions& options = {});

// Removes the temporary files beside `path` that replacements of it left behind when their
// process died (the process named in the file's name is gone). Files of live processes stay.
// Returns how many were removed.
int RemoveStaleTemporaries(const std::string& path);

}  // namespace krellix
