#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace krellix {

class ItemList;
class Prompter;
class SavingFileQuestion;

// The four counters of a join or split.
struct JoinSplitCounts {
  std::int64_t files_read = 0;
  std::int64_t bytes_read = 0;
  std::int64_t bytes_written = 0;
  std::int64_t files_written = 0;

  bool operator==(const JoinSplitCounts&) const = default;
};

// What a join or split tells the window while it runs.
class JoinSplitProgress {
 public:
  virtual ~JoinSplitProgress() = default;
  // The counters now; the window shows them and handles pending events (its Cancel button).
  // Called at most a few times a second while the run lasts, and once at its end.
  virtual void ShowCounts(const JoinSplitCounts& counts) = 0;
  // A split finished the piece `name`.
  virtual void PieceWritten(const std::string& name) = 0;
  // True once Cancel was pressed.
  virtual bool CancelRequested() = 0;
};

enum class JoinSplitStatus { kDone, kCancelled, kFailed, kRefused };

struct JoinSplitOutcome {
  JoinSplitStatus status = JoinSplitStatus::kRefused;
  JoinSplitCounts counts;
};

struct JoinSplitEnv {
  Prompter& prompter;  // messages
  JoinSplitProgress& progress;
  // Milliseconds of a steady clock; paces the counter updates.
  std::function<std::int64_t()> now_ms;
};

// Bytes moved between two looks at the clock and at Cancel.
inline constexpr std::int64_t kJoinSplitStep = std::int64_t{1} << 20;

// The name of piece `k` (from 1) of `source`: the extension is replaced by "." and k with at
// least six digits, and appended again ("film.avi" gives "film.000001.avi", "dump" gives
// "dump.000001").
std::string PieceName(const std::string& source, std::int64_t k);

// The output name a join proposes: the first file's extension replaced by ".joined" and
// appended again ("film.000001.avi" gives "film.000001.joined.avi").
std::string DefaultJoinName(const std::string& first);

// What "Split / Join" works on: two or more selected items are joined (their full names in
// list order), exactly one is split (the current item). Nothing, with the message "Cannot join
// from empty item list" or "No file(s) selected for Join / Split", otherwise.
struct JoinSplitStart {
  bool joining = false;
  std::vector<std::string> files;  // joining
  std::string file;                // splitting
};
std::optional<JoinSplitStart> JoinSplitSelection(const ItemList& items, Prompter& prompter);

// Joins `inputs` byte after byte, in their order, into `output`. Refused (with a message per
// input) when an input is the output, by name or by being the same file. An existing output
// is replaced or appended to as the "Saving file" prompt answers. The output appears (or
// grows) only when the whole join succeeded: a failed or cancelled join leaves it as it was
// and says so.
JoinSplitOutcome JoinFiles(const std::vector<std::string>& inputs, const std::string& output,
                           SavingFileQuestion& saving_file, const JoinSplitEnv& env);

// Splits `source` into pieces of `max_kb_text` (a whole number of at least 1) times 1,024
// bytes each, the last one shorter (empty when the size is an exact multiple). Existing pieces
// are replaced. Each piece appears whole or not at all; on failure or Cancel the pieces already
// finished stay, are reported through PieceWritten, and the message says so.
JoinSplitOutcome SplitFile(const std::string& source, const std::string& max_kb_text,
                           const JoinSplitEnv& env);

}  // namespace krellix
