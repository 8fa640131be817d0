#pragma once

namespace krellix {

// The seven check items of the "Options" menu: which file operations ask before they act.
struct ConfirmOptions {
  bool delete_directory = true;
  bool rename_directory = true;
  bool purge_file = true;
  bool delete_file = true;
  bool rename_file = true;
  bool preview_rename_file = true;
  bool attrib_file = true;

  bool operator==(const ConfirmOptions&) const = default;
};

}  // namespace krellix
