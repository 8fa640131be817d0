#include "fileops/copy_from_item_list.h"

#include "base/activity_log.h"
#include "fileops/failure_text.h"
#include "itemlist/item_list.h"
#include "platform/file_move.h"

namespace krellix {
namespace {

// The directory of a "dir/*" source.
std::string ContentsDir(const std::string& from) {
  return from.size() >= 2 ? from.substr(0, from.size() - 2) : from;
}

// Logs a failed or stopped transfer ("<verb>_Failed=" or "<verb>_Stopped=" with `names`) and
// asks about a failure; a stop needs no question.
Answer Failed(const CopyResult& r, const std::string& verb, const std::string& names,
              const std::string& question, Prompter& prompter, ActivityLog& log) {
  const bool stopped = r.result.Error().code == kCopyStopped;
  log.AddLogLine(verb + (stopped ? "_Stopped=" : "_Failed=") + names);
  if (!r.left.empty()) log.AddLogLine("Copy_Partial_Left=" + r.left);
  if (stopped) return Answer::kCancel;
  prompter.ShowMessage(MessageKind::kError, FailureText(r.result.Error()));
  return prompter.Ask(question, Buttons::kYesCancel);
}

}  // namespace

Answer CopyFromItemList(bool replace, std::int64_t selected_item, const std::string& from,
                        const std::string& to, Prompter& prompter, ActivityLog& log,
                        const TransferOptions& options) {
  if (selected_item < 0) return Answer::kNo;
  const CopyResult r = options.contents
                           ? CopyDirectoryContents(ContentsDir(from), to, replace, options.progress)
                           : CopyEntry(from, to, replace, options.progress);
  if (r.Ok()) {
    log.AddLogLine("Copied=" + from + " To=" + r.target);
    return Answer::kOk;
  }
  return Failed(
      r, "Copy", from + " To=" + to,
      "Copy failed for: " + from + "\r\n" + to + "\r\n" + "continue with next items or Cancel?",
      prompter, log);
}

Answer MoveFromItemList(bool replace, std::int64_t selected_item, const std::string& from,
                        const std::string& to, ItemList& items, Prompter& prompter,
                        ActivityLog& log, const TransferOptions& options) {
  if (selected_item < 0) return Answer::kNo;
  const CopyResult r = options.contents
                           ? MoveDirectoryContents(ContentsDir(from), to, replace, options.progress)
                           : MoveEntry(from, to, replace, options.progress);
  if (r.Ok()) {
    items.SetLine(static_cast<std::size_t>(selected_item), kMovedMark);
    log.AddLogLine("Moved=" + from + " To=" + r.target);
    return Answer::kOk;
  }
  return Failed(r, "Move", from + " To=" + to,
                "Move failed for " + from + "\r\n" + to + "\r\n" +
                    "continue with next items (Yes) or Cancel?",
                prompter, log);
}

}  // namespace krellix
