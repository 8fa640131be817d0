#include "rename/rename_run.h"

#include <algorithm>

#include "fileops/failure_text.h"
#include "itemlist/item_list.h"
#include "platform/file_copy.h"
#include "platform/file_system.h"
#include "platform/safe_rename.h"
#include "platform/wall_time.h"
#include "rename/rename_rules.h"

namespace krellix {
namespace {

// The collision rule: while a file other than the item holds `name`, the name gets " (k)"
// before its extension, k = 2, 3, ...
std::string FreeNewName(const std::string& name, const std::string& item) {
  return FreeName(name, [&item](const std::string& n) { return NameTakenByFile(n, item); });
}

// Whether the "Confirm Rename ..." option of the item's kind asks before each rename.
bool Confirmed(const RenameContext& ctx, bool is_dir) {
  return is_dir ? ctx.confirm.rename_directory : ctx.confirm.rename_file;
}

// "Rename OLD into \r\nNEW ? "
std::string ConfirmText(const std::string& from, const std::string& to) {
  return "Rename " + from + " into \r\n" + to + " ? ";
}

// Raises the widest-line measure to line `i` when it is wider now.
void MeasureLine(RenameContext& ctx, std::size_t i) {
  const int width = ctx.host.LineWidth(std::string(ctx.items.Line(i)));
  ctx.state.MaxListWidth = std::max(ctx.state.MaxListWidth, width);
}

void UpdateScrollWidth(RenameContext& ctx) {
  if (ctx.state.MaxListWidth > ctx.host.ItemListWidth()) {
    ctx.host.SetScrollWidth(ctx.state.MaxListWidth + 8);
  }
}

// A new name that names an entry in the item's own directory.
bool StaysInDirectory(const std::string& from, const std::string& to) {
  const std::string dir = DirectoryPart(from);
  if (to.size() <= dir.size() || to.compare(0, dir.size(), dir) != 0) return false;
  const std::string_view name = std::string_view(to).substr(dir.size());
  return name.find('/') == std::string_view::npos && name != "." && name != "..";
}

}  // namespace

Answer RenameFromItemList(RenameContext& ctx, int& t, std::int64_t selected_item,
                          const std::string& from, const std::string& to, bool err_msg) {
  if (selected_item < 0) return Answer::kNo;
  const FileResult renamed = StaysInDirectory(from, to)
                                 ? RenameItemNoReplace(from, to)
                                 : FileResult(FileError{to, "Invalid file name", EINVAL});
  if (!renamed) {
    ctx.log.AddLogLine("Rename_Failed=" + from + " into=" + to);
    if (err_msg) ctx.prompter.ShowMessage(MessageKind::kError, FailureText(renamed.Error()));
    return Answer::kNo;
  }
  ctx.items.SetFile(static_cast<std::size_t>(selected_item), NamePart(to));
  ++t;
  ctx.log.AddLogLine("Renamed=" + from + " into=" + to);
  return Answer::kYes;
}

RenameCounts BatchRename(RenameContext& ctx, RenameAction action, RenamePreviewRows* preview) {
  const RenameParameters& p = ctx.params;
  ItemList& items = ctx.items;
  RenameCounts counts;
  RenameNumber number = StartNumber(p);
  Answer answer = Answer::kYes;
  Answer failure = Answer::kYes;
  bool err_msg = true;
  bool dir_seen = false;
  const int step = std::max(1, ctx.state.StopIntvl);
  int polled = -1;
  ctx.host.BeginBusy();
  for (std::size_t i = 0; i < items.Count(); ++i) {
    // Once per count reached, not again at every unselected line while the count stands.
    if (counts.f % step == 0 && counts.f != polled) {
      polled = counts.f;
      ctx.host.ShowStatus("Renamed: " + std::to_string(counts.f) + " items.");
      ctx.prompter.ProcessEvents();
    }
    if (answer == Answer::kCancel || failure == Answer::kCancel || !items.Selected(i) ||
        !items.IsItem(i)) {
      continue;
    }
    ++counts.f;
    const RenameItem item = RenameItemOf(GetItemListFilename(items, i), GetItemListAttr(items, i),
                                         GetItemListFiledate(items, i));
    dir_seen = dir_seen || item.is_directory;
    const std::string from = item.FullName();
    std::string to = NewFullName(item, p, number, ctx.md5);
    if (to == from) continue;
    to = FreeNewName(to, from);
    if (action == RenameAction::kRename && answer != Answer::kYesToAll) {
      answer = Confirmed(ctx, item.is_directory)
                   ? ctx.prompter.Ask(ConfirmText(from, to), Buttons::kYesNoCancelAll)
                   : Answer::kYes;
    }
    if (answer != Answer::kYes && answer != Answer::kYesToAll) continue;
    if (action == RenameAction::kPreview) {
      if (preview != nullptr) preview->emplace_back(NamePart(from), NamePart(to));
    } else if (RenameFromItemList(ctx, counts.t, static_cast<std::int64_t>(i), from, to, err_msg) ==
                   Answer::kNo &&
               failure != Answer::kYesToAll) {
      failure = ctx.prompter.Ask(
          "Rename failed for " + from + "\r\ncontinue with next items (Yes) or Cancel?",
          Buttons::kYesCancelAll);
      if (failure == Answer::kYesToAll) err_msg = false;
    }
    MeasureLine(ctx, i);
    AdvanceNumber(p, number);
  }
  ctx.host.EndBusy();
  UpdateScrollWidth(ctx);
  if (action == RenameAction::kRename && dir_seen) ctx.host.RefreshDrivesAndTree();
  return counts;
}

void RenameSelectedItems(RenameContext& ctx) {
  ItemList& items = ctx.items;
  if (items.Empty()) {
    ctx.prompter.ShowMessage(MessageKind::kInformation, "Cannot rename from empty item list.");
  } else {
    ctx.host.StopPreview();
    RenameCounts counts;
    std::int64_t start = 0;
    std::int64_t end = 0;
    if (items.SelectedCount() == 0) {
      ctx.prompter.ShowMessage(MessageKind::kInformation, "No items selected to rename");
    } else {
      if (items.SelectedCount() == 1) {
        for (std::size_t i = 0; i < items.Count(); ++i) {
          if (!items.Selected(i)) continue;
          ctx.params.old_text = ctx.params.new_text = std::string(GetItemListFields(items, i).File);
          break;
        }
      }
      while (ctx.host.ShowRenameDialog(ctx.params)) {
        if (ctx.confirm.preview_rename_file) {
          RenamePreviewRows rows;
          counts = BatchRename(ctx, RenameAction::kPreview, &rows);
          if (!ctx.host.ShowRenamePreview(rows)) continue;
        }
        start = ctx.clock.SteadyMs();
        counts = BatchRename(ctx, RenameAction::kRename, nullptr);
        end = ctx.clock.SteadyMs();
        break;
      }
    }
    ctx.host.ClearRenameBox();
    const std::string summary = "Rename_count=" + std::to_string(counts.t) +
                                " Total=" + std::to_string(counts.f) +
                                " Time=" + FormatDuration(end - start);
    ctx.host.ShowStatus(summary);
    ctx.log.AddLogLine(summary);
  }
  if (!ctx.remember) {
    ctx.params.old_text.clear();
    ctx.params.new_text.clear();
  }
}

bool RenamePaneRename(RenameContext& ctx, const std::string& field_text) {
  ItemList& items = ctx.items;
  const std::int64_t current = items.Current();
  if (items.Empty() || current < 0 || static_cast<std::size_t>(current) >= items.Count()) {
    return false;
  }
  const auto line = static_cast<std::size_t>(current);
  bool renamed = false;
  if (items.Selected(line) && items.IsItem(line)) {
    const bool is_dir = GetItemListAttr(items, line) == ".";
    const std::string from = GetItemListFilename(items, line);
    std::string to = DirectoryPart(from) + field_text;
    int t = 0;
    if (to != from) {
      to = FreeNewName(to, from);
      const bool go = !Confirmed(ctx, is_dir) ||
                      ctx.prompter.Ask(ConfirmText(from, to), Buttons::kYesNo) == Answer::kYes;
      if (go && RenameFromItemList(ctx, t, current, from, to, true) == Answer::kNo) {
        ctx.prompter.ShowMessage(MessageKind::kError, "Rename failed for " + from);
      }
      MeasureLine(ctx, line);
      UpdateScrollWidth(ctx);
    }
    ctx.log.AddLogLine("Rename_count=" + std::to_string(t));
    renamed = t == 1;
    if (renamed) {
      if (is_dir) ctx.host.RefreshDrivesAndTree();
      items.SetSelected(line, false);
      items.SetCurrent(line + 1 < items.Count() ? current + 1 : 0);
    }
  }
  items.SetSelected(static_cast<std::size_t>(items.Current()), true);
  ctx.host.ClickCurrent();
  return renamed;
}

}  // namespace krellix
