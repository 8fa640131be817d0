#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/activity_log.h"
#include "base/check_list.h"
#include "platform/clock.h"
#include "platform/dir_tree_reader.h"
#include "platform/prompter.h"
#include "platform/volume_labels.h"
#include "platform/wall_time.h"
#include "scan/entry_matcher.h"
#include "scan/scan_host.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"

namespace krellix {

class ItemList;

// Everything a scan reads and writes, owned by the main window.
struct ScanContext {
  const SelectionCriteria& criteria;
  ScanState& state;
  ScanStatistics& stats;
  ItemList& items;
  const CheckList& include_list;
  const CheckList& exclude_list;
  ScanHost& host;
  Prompter& prompter;
  ActivityLog& log;
  const Clock& clock;
};

// Scan runs and the scan commands. One run at a time: a scan command that arrives while a run
// polls events is refused, so the running one keeps its list and counters intact.
class ScanEngine {
 public:
  // `workers`: threads that read directories ahead of the walk; 0 lets the reader choose
  // (see DirTreeReader).
  explicit ScanEngine(ScanContext context, unsigned workers = 0);

  bool Running() const { return running_; }

  // The commands. Each returns false when it was refused because a run is under way.
  // Scan: stops the preview, "*.*" into an empty box, logs "Scan=", then StartScan.
  bool ScanCommand();
  // Enter in the scan string box: logs "Scan=" and runs the Scan command.
  bool ScanEnterKey();
  // "Dir *.*": lists the start directory's entries, only the entry gates deciding.
  bool DirAllCommand();
  // A custom scan string run.
  bool CustomScanCommand(const std::string& custom);
  // F4: logs "Scan=" and runs StartScan.
  bool RescanCommand();
  // Stop and Esc.
  void StopCommand();

  // Clears the list (unless "Append " applies) and runs DisplaySelectedItems.
  bool StartScan();
  // One scan run over the tree directory and/or the include list.
  bool DisplaySelectedItems();

  // Walks one directory and, on request, its sub-directories; stops at the first error.
  std::optional<ScanError> ScanFolderTree(const std::string& dir);

  // Directories and entries seen by the last run.
  std::int64_t DirCount() const { return dir_count_; }
  std::int64_t EntryCount() const { return entry_count_; }

  VolumeLabels& Volumes() { return volumes_; }

 private:
  void ShowAndLog(const std::string& text);
  std::optional<ScanError> Walk(DirTreeReader::Dir* parent, std::size_t index);
  bool EntersSubDirs() const;
  DirTreeReader::Options ReadOptions() const;
  bool Excluded(const std::string& dir) const;
  void PollEntry();

  ScanContext ctx_;
  LocalTimeConverter times_;
  VolumeLabels volumes_;
  EntryMatcher matcher_;
  bool running_ = false;
  std::int64_t dir_count_ = 0;
  std::int64_t entry_count_ = 0;
  // The directory being walked, with its trailing delimiter; one buffer for the whole walk.
  std::string path_;
  // Device and inode of every directory on the current descent, to stop link loops.
  std::vector<std::pair<std::uint64_t, std::uint64_t>> descent_;

  unsigned workers_;
  std::unique_ptr<DirTreeReader> reader_;  // started by the first walk
  KernelFsDevices kernel_fs_;              // links there are not followed
};

}  // namespace krellix
