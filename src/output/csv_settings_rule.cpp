#include "output/csv_settings_rule.h"

#include <QCheckBox>
#include <QComboBox>

#include "output/file_name_checks.h"

namespace krellix {

void ApplyCsvSettingsRule(const CsvGovernedControls& c, bool checked) {
  for (QCheckBox* box : {c.quotes, c.titles, c.headers, c.statistics}) box->setEnabled(!checked);
  c.quotes->setChecked(checked);
  c.titles->setChecked(checked);
  c.headers->setChecked(!checked);
  c.statistics->setChecked(!checked);
  if (!checked) return;
  const std::string name = c.name();
  if (!name.empty()) c.set_name(WithExtension(name, ".csv"));
  // A ".csv" file of this preset is tab-separated.
  c.delimiter->setCurrentIndex(0);
}

}  // namespace krellix
