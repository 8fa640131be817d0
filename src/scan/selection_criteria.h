#pragma once

#include <string>

#include "platform/wall_time.h"

namespace krellix {

// How the results of the scan string's tokens combine ("Or ", "And", "Not").
enum class ScanLogic { kOr, kAnd, kNot };

// One size box of the "Size" tab with its check box and unit button.
struct SizeLimit {
  bool enabled = false;
  std::string text;    // the number box, parsed at every test
  bool kbytes = true;  // the unit button reads "Kbytes" (x 1024) rather than "bytes"

  bool operator==(const SizeLimit&) const = default;
};

// The four check boxes and values of the "Modified" or "Created" tab.
struct DateTimeRange {
  bool from_date = false, to_date = false, from_time = false, to_time = false;
  WallMs from_date_value = 0, to_date_value = 0, from_time_value = 0, to_time_value = 0;

  bool AnyChecked() const { return from_date || to_date || from_time || to_time; }
  void SetAllValues(WallMs now) {
    from_date_value = to_date_value = from_time_value = to_time_value = now;
  }

  bool operator==(const DateTimeRange&) const = default;
};

// The state of the criteria controls of the main window. The window keeps it in step with its
// controls; the matcher reads it for every entry, so a change made while a scan polls events
// applies to the following entries.
struct SelectionCriteria {
  // "Scan" tab
  std::string scan_text = "*.*";
  ScanLogic logic = ScanLogic::kOr;
  bool ignore_case = true;
  bool incl_dir_names = false;
  bool excl_filenames = false;
  bool sub_dirs = true;
  bool append = false;
  // "File" tab
  bool use_path = false, use_name = true, use_ext = true;
  // "Attrib" tab
  bool any_file = true, normal = true, read_only = true, hidden = true, system = true,
       archive = true, volume_id = false;
  // "Size" tab
  SizeLimit min{false, "0", true};
  SizeLimit max{false, "999999999", true};
  // "Modified" and "Created" tabs
  DateTimeRange modified;
  DateTimeRange created;

  bool operator==(const SelectionCriteria&) const = default;
};

// "Reset selection criteria": every control of the "Scan", "File", "Attrib", "Size" and
// "Modified" tabs back to its default except "Append "; all eight date and time values to
// `now`; the "Created" check boxes stay. Unit buttons and size boxes are only filled where
// empty, as their texts are user data.
void ResetSelectionCriteria(SelectionCriteria& c, WallMs now);

}  // namespace krellix
