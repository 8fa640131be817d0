#pragma once

#include <cstdint>
#include <string>

#include "itemlist/item_entry.h"
#include "itemlist/statistics.h"

namespace krellix {

// The run-time fields of the main window that scans read and update. The main window owns one;
// the scan engine gets it by reference.
struct ScanState {
  // Set by Stop and Esc; every long loop reads it at its next poll.
  bool CancelStopEsc = false;
  // Directory entries between two event polls.
  int StopIntvl = 1000;
  // The next walk stays at the top level; cleared at the end of every walk call.
  bool SkipSubDir = false;
  // True during a "Dir *.*" run: only the entry gates decide.
  bool ScanFolderAll = false;
  // Mode of the token under test: substring (true) or mask (false).
  bool ScanString = false;
  bool ResetScanString = false;
  bool AutoScan = false;
  bool ScanToFile = false;
  bool ScanIncList = false;
  bool ShowProgress = true;
  bool RetrieveVolumename = true;
  bool TrackHist = true;
  // Field order of item lines, and whether the list is kept sorted.
  ItemOrder SortOutput = ItemOrder::kPath;

  std::int64_t FileCount = 0;
  std::int64_t MaxItems = 0;
  int ItemLimit = 10000;
  // (The index at which the last match landed is ItemList::LastAddedIndex().)
  int MaxListLength = 0;
  int MaxListWidth = 0;
};

}  // namespace krellix
