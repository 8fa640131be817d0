#pragma once

#include "rename/rename_parameters.h"

namespace krellix::test {

// Rename parameters with every value away from its default; "Old:" and "New:" hold bytes that
// are not UTF-8.
inline RenameParameters EveryRenameParameterChanged() {
  using P = RenameParameters;
  P p;
  p.tab = P::EditTab::kSwap;
  p.old_text = "old\xff";
  p.new_text = "new\xfe";
  p.replace_all = true;
  p.crop = P::Crop::kKeepLast;
  p.remove_count = "7";
  p.remove_position = "8";
  p.last_count = "9";
  p.insert_text = "ins";
  p.insert_position = "2";
  p.swap = P::Swap::kLast;
  p.swap_count = "3";
  p.path = P::PathLevels::kAddAll;
  p.path_count = "4";
  p.prefix = "pre";
  p.suffix = "suf";
  p.date_prefix = p.date_suffix = p.md5_prefix = p.md5_suffix = true;
  p.number = P::NumberPlace::kSuffix;
  p.start = "0001";
  p.step = "5";
  p.zero_fill = "6";
  p.use_separator = true;
  p.separator = "-";
  p.underscore_blank = p.percent20_blank = true;
  p.letter_case = P::Case::kTitle;
  p.extension = P::Extension::kDelete;
  p.extension_text = "bak";
  return p;
}

}  // namespace krellix::test
