#include "fileops/join_split.h"

#include <algorithm>
#include <charconv>

#include "fileops/failure_text.h"
#include "itemlist/item_entry.h"
#include "itemlist/item_list.h"
#include "output/output_dialogs.h"
#include "platform/file_reader.h"
#include "platform/file_system.h"
#include "platform/file_writer.h"
#include "platform/prompter.h"

namespace krellix {

namespace {

constexpr std::int64_t kCountsEveryMs = 250;

// Passes the counters on at most every kCountsEveryMs, and always when asked to.
class CountsPacer {
 public:
  explicit CountsPacer(const JoinSplitEnv& env) : env_(env), last_(env.now_ms()) {}

  void Tick(const JoinSplitCounts& counts) {
    const std::int64_t now = env_.now_ms();
    if (now - last_ < kCountsEveryMs) return;
    last_ = now;
    env_.progress.ShowCounts(counts);
  }
  void Final(const JoinSplitCounts& counts) { env_.progress.ShowCounts(counts); }

 private:
  const JoinSplitEnv& env_;
  std::int64_t last_;
};

std::string WithoutExtension(const std::string& path) {
  return path.substr(0, path.size() - ExtensionOf(path).size());
}

void Fail(const JoinSplitEnv& env, const std::string& text) {
  env.prompter.ShowMessage(MessageKind::kError, text);
}

}  // namespace

std::string PieceName(const std::string& source, std::int64_t k) {
  std::string number = std::to_string(k);
  if (number.size() < 6) number.insert(0, 6 - number.size(), '0');
  return WithoutExtension(source) + "." + number + std::string(ExtensionOf(source));
}

std::string DefaultJoinName(const std::string& first) {
  return WithoutExtension(first) + ".joined" + std::string(ExtensionOf(first));
}

std::optional<JoinSplitStart> JoinSplitSelection(const ItemList& items, Prompter& prompter) {
  if (items.Empty()) {
    prompter.ShowMessage(MessageKind::kInformation, "Cannot join from empty item list");
    return std::nullopt;
  }
  JoinSplitStart start;
  for (std::size_t i = 0; i < items.Count(); ++i) {
    if (items.Selected(i)) start.files.push_back(GetItemListFilename(items, i));
  }
  if (start.files.empty()) {
    prompter.ShowMessage(MessageKind::kInformation, "No file(s) selected for Join / Split");
    return std::nullopt;
  }
  start.joining = start.files.size() >= 2;
  if (!start.joining) {
    const std::int64_t current = items.Current();
    start.file = current >= 0 ? GetItemListFilename(items, static_cast<std::size_t>(current))
                              : start.files.front();
    start.files.clear();
  }
  return start;
}

JoinSplitOutcome JoinFiles(const std::vector<std::string>& inputs, const std::string& output,
                           SavingFileQuestion& saving_file, const JoinSplitEnv& env) {
  JoinSplitOutcome out;
  bool refused = false;
  for (const std::string& input : inputs) {
    // Another name for the same file counts too: appending a file to itself never ends, and
    // replacing it would lose the bytes still to be read.
    if (input == output || SameFile(input, output)) {
      Fail(env, "File to join cannot be the same as output file: " + input);
      refused = true;
    }
  }
  if (refused) return out;

  WriteHow how = WriteHow::kReplace;
  if (FileExists(output)) {
    const SaveMode mode = saving_file.AskSavingFile(output);
    if (mode == SaveMode::kCancel) return out;
    if (mode == SaveMode::kAppend) how = WriteHow::kAppend;
  }
  FileWriter writer;
  if (FileResult opened = writer.Open(output, how); !opened) {
    Fail(env, WithReason("Cannot open: " + output, opened.Error()));
    return out;
  }

  CountsPacer pacer(env);
  JoinSplitCounts& c = out.counts;
  FileReader reader;
  for (const std::string& input : inputs) {
    if (env.progress.CancelRequested()) break;
    FileResult result = reader.Open(input);
    if (result) ++c.files_read;
    while (result) {
      std::int64_t n = 0;
      result = writer.CopyFrom(reader.Descriptor(), input, kJoinSplitStep, n);
      c.bytes_read += n;
      c.bytes_written += n;
      if (!result || n == 0) break;
      pacer.Tick(c);
      if (env.progress.CancelRequested()) break;
    }
    reader.Close();
    if (!result) {
      writer.Abandon();
      out.status = JoinSplitStatus::kFailed;
      pacer.Final(c);
      Fail(env,
           FailureText(result.Error()) + "\nThe join stopped; " + output + " was left as it was.");
      return out;
    }
  }

  if (env.progress.CancelRequested()) {
    writer.Abandon();
    out.status = JoinSplitStatus::kCancelled;
    pacer.Final(c);
    env.prompter.ShowMessage(MessageKind::kInformation,
                             "Join cancelled; " + output + " was left as it was.");
    return out;
  }
  if (FileResult done = writer.Commit(); !done) {
    out.status = JoinSplitStatus::kFailed;
    pacer.Final(c);
    Fail(env, FailureText(done.Error()) + "\nThe join stopped; " + output + " was left as it was.");
    return out;
  }
  c.files_written = 1;
  out.status = JoinSplitStatus::kDone;
  pacer.Final(c);
  return out;
}

JoinSplitOutcome SplitFile(const std::string& source, const std::string& max_kb_text,
                           const JoinSplitEnv& env) {
  JoinSplitOutcome out;
  std::int64_t kb = 0;
  const char* end = max_kb_text.data() + max_kb_text.size();
  const auto [last, error] = std::from_chars(max_kb_text.data(), end, kb);
  if (max_kb_text.empty() || error != std::errc() || last != end || kb < 1 ||
      kb > INT64_MAX / 1024) {
    Fail(env, "'" + max_kb_text + "' is not a valid Max. Size (Kb): a whole number from 1 on.");
    return out;
  }
  const std::int64_t max_bytes = kb * 1024;

  FileReader reader;
  if (FileResult opened = reader.Open(source); !opened) {
    Fail(env, FailureText(opened.Error()));
    return out;
  }
  JoinSplitCounts& c = out.counts;
  c.files_read = 1;
  CountsPacer pacer(env);
  env.progress.ShowCounts(c);
  FileWriter piece;
  std::int64_t in_piece = 0;
  FileResult result = piece.Open(PieceName(source, 1), WriteHow::kReplace);
  const auto finish_piece = [&]() -> FileResult {
    if (FileResult done = piece.Commit(); !done) return done;
    ++c.files_written;
    env.progress.PieceWritten(PieceName(source, c.files_written));
    return {};
  };

  bool cancelled = false;
  while (result) {
    if (in_piece >= max_bytes) {
      result = finish_piece();
      if (!result) break;
      result = piece.Open(PieceName(source, c.files_written + 1), WriteHow::kReplace);
      in_piece = 0;
      pacer.Tick(c);
      if (!result) break;
    }
    std::int64_t n = 0;
    result = piece.CopyFrom(reader.Descriptor(), source,
                            std::min(kJoinSplitStep, max_bytes - in_piece), n);
    c.bytes_read += n;
    c.bytes_written += n;
    in_piece += n;
    if (!result) break;
    if (n == 0) {
      result = finish_piece();
      break;
    }
    pacer.Tick(c);
    if (env.progress.CancelRequested()) {
      cancelled = true;
      result = finish_piece();
      break;
    }
  }
  reader.Close();
  pacer.Final(c);
  if (!result) {
    piece.Abandon();
    out.status = JoinSplitStatus::kFailed;
    std::string text = FailureText(result.Error()) + "\nThe split stopped; ";
    text += c.files_written == 0
                ? std::string("no piece was written.")
                : std::to_string(c.files_written) + " whole piece(s) were written, as listed.";
    Fail(env, text);
    return out;
  }
  out.status = cancelled ? JoinSplitStatus::kCancelled : JoinSplitStatus::kDone;
  if (cancelled) {
    env.prompter.ShowMessage(MessageKind::kInformation, "Split cancelled after " +
                                                            std::to_string(c.files_written) +
                                                            " piece(s), as listed; the rest of " +
                                                            source + " was not written.");
  }
  return out;
}

}  // namespace krellix
