#include "scan/selection_criteria.h"

namespace krellix {

void ResetSelectionCriteria(SelectionCriteria& c, WallMs now) {
  const SelectionCriteria d;
  c.scan_text = d.scan_text;
  c.logic = d.logic;
  c.ignore_case = d.ignore_case;
  c.incl_dir_names = d.incl_dir_names;
  c.excl_filenames = d.excl_filenames;
  c.sub_dirs = d.sub_dirs;
  c.use_path = d.use_path;
  c.use_name = d.use_name;
  c.use_ext = d.use_ext;
  c.any_file = d.any_file;
  c.normal = d.normal;
  c.read_only = d.read_only;
  c.hidden = d.hidden;
  c.system = d.system;
  c.archive = d.archive;
  c.volume_id = d.volume_id;
  c.min.enabled = false;
  c.max.enabled = false;
  if (c.min.text.empty()) c.min.text = d.min.text;
  if (c.max.text.empty()) c.max.text = d.max.text;
  c.modified.from_date = c.modified.to_date = c.modified.from_time = c.modified.to_time = false;
  c.modified.SetAllValues(now);
  c.created.SetAllValues(now);
}

}  // namespace krellix
