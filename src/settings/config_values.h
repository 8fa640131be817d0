#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/environment_paths.h"
#include "scan/scan_state.h"
#include "scan/selection_criteria.h"
#include "settings/app_settings.h"

namespace krellix {

// What the configuration dialog edits: a copy of the program's preferences, filled when the
// dialog opens and copied back when it is applied. Only the members the dialog has controls
// for are read back; the rest ride along unchanged.
struct ConfigValues {
  // Preferences: confirmations, save flags, panes, output options, the three "Entries"
  // limits, the custom scan strings, ComboComp and ComboSort, SkipIntro.
  AppSettings app;
  // AutoScan, ResetScanString, RetrieveVolumename, ScanIncList, ShowProgress, TrackHist and
  // the item order SortOutput. ItemLimit and StopIntvl are edited as texts, below.
  ScanState scan;
  // The criteria check boxes, the scan logic, the two unit buttons and "Append ".
  SelectionCriteria criteria;
  // DefaultDir and OpenWithDir.
  EnvironmentPaths paths;

  // "Item Limit" and "Stop Intvl." as typed; applying stops at one that is no whole number.
  std::string item_limit;
  std::string stop_intvl;

  // The dialog's scan string box: its text and its list.
  std::string scan_text;
  std::vector<std::string> scan_list;
};

// The "Reset" button: the dialog's values back to the reset defaults. ".CSV settings",
// "Save Most Recently Used Directory", "Dir. only", the size units, the custom scan strings,
// the output file name and the "Open with" folder stay as they are. In scan-to-file mode the
// item order becomes "NOT sorted".
void ResetConfigValues(ConfigValues& v, bool scan_to_file);

// The program side of applying the dialog.
struct ConfigTargets {
  AppSettings& app;
  ScanState& scan;
  SelectionCriteria& criteria;
  EnvironmentPaths& paths;
  // The item list holds no line (a new item order then needs no question).
  bool items_empty = true;
  // Shows a message ("''x'' is not a valid integer value").
  std::function<void(const std::string& text)> show_error;
  // Asks the sort-order question; true for "&Yes".
  std::function<bool(const std::string& text)> ask_warning;
  // The scan string box and its list become these.
  std::function<void(const std::string& text, const std::vector<std::string>& list)> set_scan_box;
  // Bookmarks are dropped from the end until at most `keep` remain.
  std::function<void(int keep)> trim_bookmarks;
};

inline constexpr const char* kSortChangeWarning =
    "Changing sorting order will clear current itemlist.\r\nOkay to change?";

// Applies the dialog's values in the order the dialog has always applied them: check boxes
// and choices, the default directory (an empty one becomes the root), "Item Limit" and
// "Stop Intvl.", the header, output file and "Open with" folder, the three limits with their
// lists, the item order (asking first when the item list has lines), the output file options
// and the delimiter. A number field that is no whole number stops the apply there with its
// message; what came before stays applied. Returns false when stopped.
bool ApplyConfigValues(const ConfigValues& v, ConfigTargets& t);

}  // namespace krellix
