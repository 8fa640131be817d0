#include "fileops/copy_move_items.h"

#include <algorithm>
#include <optional>

#include "fileops/copy_from_item_list.h"
#include "fileops/list_after_removal.h"
#include "fileops/rename_during.h"
#include "itemlist/item_list.h"
#include "platform/file_system.h"
#include "platform/wall_time.h"

namespace krellix {
namespace {

// Progress within one item is shown at most this often (in bytes) besides every StopIntvl files.
constexpr std::int64_t kBytesBetweenPolls = 16 << 20;

struct Run {
  int copied = 0;
  int skipped = 0;
  int total = 0;
  bool dir_seen = false;
};

// The target of an item: the destination, with the full path the item's folders below it (the
// leading "/" dropped), and the new name.
std::string TargetOf(const CopyMoveValues& v, const std::string& dest, std::string_view path,
                     const std::string& name) {
  if (!v.full_path) return dest + name;
  if (!path.empty() && path.front() == kPathDelim) path.remove_prefix(1);
  return dest + std::string(path) + name;
}

class CopyMoveRun {
 public:
  CopyMoveRun(FileOpsContext& ctx, bool move)
      : ctx_(ctx), move_(move), verb_(move ? "Move" : "Copy"), lower_(move ? "move" : "copy") {}

  void Go() {
    const std::string cwd = CurrentDirectory();
    ItemList& items = ctx_.items;
    if (items.Empty()) {
      ctx_.prompter.ShowMessage(MessageKind::kInformation,
                                "Cannot " + lower_ + " from empty item list");
    } else {
      ctx_.host.StopPreview();
      if (items.SelectedCount() == 0) {
        ctx_.prompter.ShowMessage(MessageKind::kInformation, "No items selected to " + lower_);
      } else {
        Dialog();
      }
      Finish();
    }
    if (!cwd.empty()) SetCurrentDirectory(cwd);
    if (run_.dir_seen) ctx_.host.RefreshDrivesAndTree();
  }

 private:
  void Dialog() {
    ItemList& items = ctx_.items;
    CopyMoveValues v;
    v.title = verb_;
    if (items.Current() >= 0 && static_cast<std::size_t>(items.Current()) < items.Count()) {
      v.rules.old_text = std::string(items.Fields(static_cast<std::size_t>(items.Current())).File);
    }
    v.rules.new_text = v.rules.old_text;
    if (!ctx_.host.ShowCopyMoveDialog(v)) return;

    const std::int64_t current = move_ ? CurrentAfterRemoval(items) : 0;
    const std::int64_t top = move_ ? ctx_.host.TopLine() : 0;
    ctx_.host.BeginBusy();
    busy_ = true;
    start_ = ctx_.clock.SteadyMs();
    Items(v);
    if (move_) {
      items.DeleteLines(kMovedMark);
      PlaceAfterRemoval(items, ctx_.host, top, current);
    }
  }

  void Items(const CopyMoveValues& v) {
    const bool numbered = v.rename && v.rules.number != NumberPlace::kSkip;
    int number = 1;
    int step = 1;
    RenameDuring rules = v.rules;
    if (numbered) {
      const std::optional<int> start = ReadNumberField(v.start);
      const std::optional<int> by = ReadNumberField(v.step);
      const std::optional<int> fill = ReadNumberField(v.zero_fill);
      if (!start || !by || !fill) {
        ctx_.prompter.ShowMessage(MessageKind::kError,
                                  "Start:, Step: and Zero fill: need a number of digits");
        return;
      }
      number = *start;
      step = *by;
      rules.zero_fill = *fill;
    }
    std::string number_text = numbered ? v.start : std::string();
    const std::string dest = WithTrailingDelim(v.destination);
    ItemList& items = ctx_.items;
    ctx_.state.CancelStopEsc = false;
    Answer answer = Answer::kYes;
    const int poll = std::max(1, ctx_.state.StopIntvl);

    int polled = -1;
    for (std::size_t i = 0; i < items.Count(); ++i) {
      // Once per count reached, not again at every unselected line while the count stands.
      if (run_.total % poll == 0 && run_.total != polled) {
        polled = run_.total;
        Poll();
      }
      if (ctx_.state.CancelStopEsc) answer = Answer::kCancel;
      if (answer == Answer::kCancel || !items.Selected(i)) continue;
      ++run_.total;
      const ItemFieldViews f = items.Fields(i);
      std::string source = f.Filename();
      std::string name(f.File);
      const bool is_dir = f.Attr == ".";
      if (is_dir) {
        run_.dir_seen = true;
        source += "/*";
      }
      if (v.rename) {
        name = RenameDuringName(name, rules, number_text);
        const bool confirmed = is_dir ? ctx_.confirm.rename_directory : ctx_.confirm.rename_file;
        if (answer != Answer::kYesToAll) {
          answer = confirmed ? ctx_.prompter.Ask(verb_ + " " + source + " as \r\n" + name + " ? ",
                                                 Buttons::kYesNoCancelAll)
                             : Answer::kYes;
        }
      }
      if (answer != Answer::kYes && answer != Answer::kYesToAll) continue;
      const std::string target = TargetOf(v, dest, f.Path, name);
      if (v.skip && (is_dir ? DirectoryExists(target) : FileExists(target))) {
        ++run_.skipped;
        ctx_.log.AddLogLine("Skipped_count=" + source);
        continue;
      }
      TransferOptions options;
      options.contents = is_dir;
      options.progress = [this](const CopyCounts& c) { return Progress(c); };
      last_ = {};
      const Answer r = move_ ? MoveFromItemList(v.replace, static_cast<std::int64_t>(i), source,
                                                target, items, ctx_.prompter, ctx_.log, options)
                             : CopyFromItemList(v.replace, static_cast<std::int64_t>(i), source,
                                                target, ctx_.prompter, ctx_.log, options);
      if (r == Answer::kOk) {
        ++run_.copied;
        number += step;
        number_text = std::to_string(number);
      } else if (r == Answer::kCancel) {
        answer = Answer::kCancel;
      }
    }
  }

  std::string Status() const {
    return (move_ ? "Moved=" : "Copied=") + std::to_string(run_.total) +
           " Skipped=" + std::to_string(run_.skipped);
  }

  void Poll() {
    ctx_.host.ShowStatus(Status());
    ctx_.prompter.ProcessEvents();
  }

  // Within one item: the files and bytes done so far, now and then, and whether to go on.
  bool Progress(const CopyCounts& c) {
    if (c.items - last_.items >= std::max(1, ctx_.state.StopIntvl) ||
        c.bytes - last_.bytes >= kBytesBetweenPolls) {
      last_ = c;
      ctx_.host.ShowStatus(Status() + " Files=" + std::to_string(c.items) +
                           " Bytes=" + std::to_string(c.bytes));
      ctx_.prompter.ProcessEvents();
    }
    return !ctx_.state.CancelStopEsc;
  }

  void Finish() {
    ItemList& items = ctx_.items;
    if (move_ && !items.Empty() && items.Current() >= 0) {
      items.SetSelected(static_cast<std::size_t>(items.Current()), true);
    }
    ctx_.host.ClearRenameBox();
    if (busy_) ctx_.host.EndBusy();
    const std::int64_t elapsed = busy_ ? ctx_.clock.SteadyMs() - start_ : 0;
    const std::string summary = verb_ + "_count=" + std::to_string(run_.copied) +
                                " Skipped=" + std::to_string(run_.skipped) +
                                " Total=" + std::to_string(run_.total) +
                                " Time=" + FormatDuration(elapsed);
    ctx_.host.ShowStatus(summary);
    ctx_.log.AddLogLine(summary);
  }

  FileOpsContext& ctx_;
  bool move_;
  std::string verb_, lower_;
  Run run_;
  bool busy_ = false;
  std::int64_t start_ = 0;
  CopyCounts last_;
};

}  // namespace

void CopySelectedItems(FileOpsContext& ctx) { CopyMoveRun(ctx, false).Go(); }

void MoveSelectedItems(FileOpsContext& ctx) { CopyMoveRun(ctx, true).Go(); }

}  // namespace krellix
