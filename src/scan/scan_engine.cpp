#include "scan/scan_engine.h"

#include <algorithm>

#include "itemlist/item_list.h"
#include "platform/block_entry_facts.h"
#include "platform/dir_block.h"
#include "platform/file_system.h"

namespace krellix {

ScanEngine::ScanEngine(ScanContext context, unsigned workers)
    : ctx_(context),
      matcher_(ctx_.criteria, ctx_.state, ctx_.items, ctx_.host, ctx_.prompter, volumes_),
      workers_(workers) {}

void ScanEngine::ShowAndLog(const std::string& text) {
  ctx_.host.ShowStatus(text);
  ctx_.log.AddLogLine(text);
}

bool ScanEngine::Excluded(const std::string& dir) const {
  for (const CheckListEntry& e : ctx_.exclude_list.entries) {
    if (e.checked && dir.compare(0, e.text.size(), e.text) == 0) return true;
  }
  return false;
}

void ScanEngine::PollEntry() {
  ++entry_count_;
  // A poll interval of 0 or less polls at every entry.
  const int step = std::max(1, ctx_.state.StopIntvl);
  if (entry_count_ % step == 0) ctx_.prompter.ProcessEvents();
}

std::optional<ScanError> ScanEngine::ScanFolderTree(const std::string& dir) {
  path_ = dir;
  descent_.clear();
  if (!reader_) {
    reader_ = std::make_unique<DirTreeReader>(workers_);
    kernel_fs_ = FindKernelFsDevices();
  }
  return Walk(nullptr, 0);
}

bool ScanEngine::EntersSubDirs() const {
  const ScanState& st = ctx_.state;
  return ctx_.criteria.sub_dirs && !st.ScanFolderAll && !st.SkipSubDir;
}

// How the directories of a walk are read ahead of it.
DirTreeReader::Options ScanEngine::ReadOptions() const {
  DirTreeReader::Options options;
  // When no name test narrows the run, nearly every entry needs its metadata for the item line,
  // so the readers fetch it with the listing.
  const std::string& text = ctx_.criteria.scan_text;
  options.stat_all = ctx_.state.ScanFolderAll || text.empty() || text == "*.*";
  options.descend = EntersSubDirs();
  options.kernel_fs = kernel_fs_;
  for (const CheckListEntry& e : ctx_.exclude_list.entries) {
    if (e.checked) options.excluded.push_back(e.text);
  }
  return options;
}

// Walks the directory in path_: entry `index` of `parent` when given, else opened by path.
std::optional<ScanError> ScanEngine::Walk(DirTreeReader::Dir* parent, std::size_t index) {
  ScanState& st = ctx_.state;
  ++dir_count_;
  if (path_.empty() || path_.back() != kPathDelim) path_.push_back(kPathDelim);
  if (Excluded(path_)) {
    // Cleared here too: a stale flag would keep the next scan at the top level.
    st.SkipSubDir = false;
    return std::nullopt;
  }

  const DirTreeReader::DirRef dir =
      parent != nullptr ? reader_->Enter(*parent, index) : reader_->Open(path_, ReadOptions());
  DirBlock& block = dir->Block();
  bool open = block.Ok();
  const auto id = std::make_pair(block.DirDevice(), block.DirInode());
  if (open && std::find(descent_.begin(), descent_.end(), id) != descent_.end()) {
    open = false;  // a link back up the tree
  }
  if (st.ShowProgress) ctx_.host.ShowStatus(path_);
  ctx_.prompter.ProcessEvents();
  if (!open) {
    st.SkipSubDir = false;
    return std::nullopt;
  }
  descent_.push_back(id);
  const std::size_t base = path_.size();

  BlockEntryFacts facts(block, times_);
  std::optional<ScanError> error;
  for (std::size_t i = 0; i < block.Count(); ++i) {
    if (matcher_.Stopped() || st.CancelStopEsc) break;
    facts.MoveTo(i);
    PollEntry();
    const char* entry = block.Name(i);
    path_.resize(base);
    path_ += entry;
    if ((error = matcher_.ProcessFile(path_, facts))) break;
    if (EntersSubDirs() && !IsDotEntryName(entry) && facts.IsDirectory() &&
        !block.IsKernelFsLink(i, kernel_fs_)) {
      if ((error = Walk(dir.get(), i))) break;
    }
  }
  path_.resize(base);
  descent_.pop_back();
  st.SkipSubDir = false;
  return error;
}

bool ScanEngine::DisplaySelectedItems() {
  if (running_) return false;
  running_ = true;
  ScanState& st = ctx_.state;
  ScanHost& host = ctx_.host;
  ScanOutput* output = st.ScanToFile ? host.Output() : nullptr;

  host.ShowItemsTab();
  if (st.ScanToFile) {
    host.ShowLogTab();
    if (output != nullptr && output->Init() == 3) {
      ctx_.items.Clear();
      ctx_.items.Add("Scan cancelled");
      ctx_.log.AddLogLine("Scan=cancelled");
      running_ = false;
      return true;
    }
    ctx_.items.Clear();
    ShowAndLog("Scan_to_file=Yes");
  }

  st.CancelStopEsc = false;
  dir_count_ = entry_count_ = 0;
  st.FileCount = 0;
  st.MaxItems = static_cast<std::int64_t>(ctx_.items.Count()) + st.ItemLimit;
  matcher_.ResetRun();
  volumes_.Reset();

  ShowAndLog("Scanning=" + host.TreeDirectory());
  host.BeginBusy();
  const std::int64_t start = ctx_.clock.SteadyMs();

  std::optional<ScanError> error;
  if (host.ActiveDirPane() != DirPane::kList) error = ScanFolderTree(host.TreeDirectory());
  if (!error && (host.ActiveDirPane() == DirPane::kList || st.ScanIncList)) {
    // Indexed, as the list may change while the run polls events.
    for (std::size_t i = 0; !error && i < ctx_.include_list.entries.size(); ++i) {
      if (matcher_.Stopped() || st.CancelStopEsc) break;
      if (ctx_.include_list.entries[i].checked) {
        error = ScanFolderTree(ctx_.include_list.entries[i].text);
      }
    }
  }

  if (!error) {
    const std::string elapsed = FormatDuration(ctx_.clock.SteadyMs() - start);
    ShowAndLog("Items_Found=" + std::to_string(ctx_.items.Count()) +
               " Total=" + std::to_string(st.FileCount) + " Dir=" + std::to_string(dir_count_) +
               " Files=" + std::to_string(entry_count_) + " Time=" + elapsed);
  }
  host.EndBusy();
  if (st.ScanToFile) {
    if (output != nullptr) output->Close();
    ShowAndLog("Saved_Items=" + std::to_string(st.FileCount));
  }
  if (error) {
    ctx_.log.AddLogLine(error->message);
    ctx_.prompter.ShowMessage(MessageKind::kError, error->message);
    running_ = false;
    return true;
  }
  if (st.CancelStopEsc) {
    ctx_.prompter.ShowMessage(MessageKind::kWarning, "Directory scan stopped at user request");
    ctx_.log.AddLogLine("Scan stopped at user request");
    if (st.ScanToFile) ctx_.items.Add("Scan stopped at user request");
  }
  host.FinishRun(st.MaxListWidth > host.ItemListWidth() ? st.MaxListWidth + 8 : 0);
  running_ = false;
  return true;
}

bool ScanEngine::StartScan() {
  if (running_) return false;
  ScanState& st = ctx_.state;
  if (!ctx_.criteria.append || st.ScanFolderAll) {
    ctx_.items.Clear();
    ctx_.host.ClearRenameBox();
    ctx_.stats.ResetSizes();
    st.MaxListLength = 0;
    st.MaxListWidth = ctx_.host.ItemListWidth();
  }
  DisplaySelectedItems();
  st.ScanFolderAll = false;
  return true;
}

bool ScanEngine::ScanCommand() {
  if (running_) return false;
  ctx_.host.StopPreview();
  if (ctx_.criteria.scan_text.empty()) ctx_.host.SetScanText("*.*");
  ctx_.log.AddLogLine("Scan=" + ctx_.criteria.scan_text);
  return StartScan();
}

bool ScanEngine::ScanEnterKey() {
  if (running_) return false;
  ctx_.log.AddLogLine("Scan=" + ctx_.criteria.scan_text);
  return ScanCommand();
}

bool ScanEngine::RescanCommand() {
  if (running_) return false;
  ctx_.log.AddLogLine("Scan=" + ctx_.criteria.scan_text);
  return StartScan();
}

bool ScanEngine::DirAllCommand() {
  if (running_) return false;
  ScanState& st = ctx_.state;
  ctx_.host.StopPreview();
  ctx_.log.AddLogLine("Dir *.* ");
  const std::string saved_text = ctx_.criteria.scan_text;
  const bool saved_mode = st.ScanString;
  ctx_.host.SetScanText("*.*");
  st.ScanString = false;
  st.ScanFolderAll = true;
  StartScan();
  st.ScanFolderAll = false;
  if (!st.ResetScanString) {
    st.ScanString = saved_mode;
    ctx_.host.SetScanText(saved_text);
  }
  return true;
}

bool ScanEngine::CustomScanCommand(const std::string& custom) {
  if (running_) return false;
  ScanState& st = ctx_.state;
  ctx_.log.AddLogLine("Mask=" + custom);
  const std::string saved_text = ctx_.criteria.scan_text;
  const bool saved_mode = st.ScanString;
  ctx_.host.SetScanText(custom);
  st.ScanString = false;
  st.ScanFolderAll = false;
  StartScan();
  if (!st.ResetScanString) {
    st.ScanString = saved_mode;
    ctx_.host.SetScanText(saved_text);
  }
  return true;
}

void ScanEngine::StopCommand() {
  ctx_.log.AddLogLine("ESC_or_STOP_pressed=Yes");
  ctx_.state.CancelStopEsc = true;
  ctx_.host.StopPreview();
}

}  // namespace krellix
