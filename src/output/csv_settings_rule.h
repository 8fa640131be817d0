#pragma once

#include <functional>
#include <string>

class QCheckBox;
class QComboBox;

namespace krellix {

// The controls a ".CSV settings" box governs. The "Save as..." dialog and the configuration
// dialog's "Output" tab each have one set.
struct CsvGovernedControls {
  QCheckBox* quotes = nullptr;
  QCheckBox* titles = nullptr;
  QCheckBox* headers = nullptr;
  QCheckBox* statistics = nullptr;
  // Its first list entry is "TAB".
  QComboBox* delimiter = nullptr;
  // The output file name as bytes, and setting it.
  std::function<std::string()> name;
  std::function<void(std::string)> set_name;
};

// The ".CSV settings" rule, run when the box changes state. Checked: "Quoted strings" and
// "Title columns" checked, "Include Header" and "Include Statistics" unchecked, all four
// disabled; a non-empty name gets the extension ".csv"; the delimiter entry "TAB" is selected.
// Unchecked: the four enabled, the first two unchecked, the other two checked.
void ApplyCsvSettingsRule(const CsvGovernedControls& c, bool checked);

}  // namespace krellix
