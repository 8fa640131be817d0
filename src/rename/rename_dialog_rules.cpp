#include "rename/rename_dialog_rules.h"

#include <utility>
#include <vector>

#include "output/file_name_checks.h"

namespace krellix {
namespace {

using Field = RenameField;
using P = RenameParameters;

constexpr char kWholeName[] = "*.*";

// The numeric fields the chosen rules read, in the order of the dialog.
std::vector<std::pair<Field, const std::string*>> NumbersInUse(const P& p) {
  std::vector<std::pair<Field, const std::string*>> in_use;
  switch (p.tab) {
    case P::EditTab::kReplace:
      break;
    case P::EditTab::kCrop:
      if (p.crop == P::Crop::kRemove) {
        in_use.push_back({Field::kRemoveCount, &p.remove_count});
        in_use.push_back({Field::kRemovePosition, &p.remove_position});
      } else if (p.crop != P::Crop::kSkip) {
        in_use.push_back({Field::kLastCount, &p.last_count});
      }
      break;
    case P::EditTab::kInsert:
      in_use.push_back({Field::kInsertPosition, &p.insert_position});
      break;
    case P::EditTab::kSwap:
      if (p.swap != P::Swap::kSkip) in_use.push_back({Field::kSwapCount, &p.swap_count});
      break;
    case P::EditTab::kPath:
      if (p.path == P::PathLevels::kAddLast || p.path == P::PathLevels::kAddFirst) {
        in_use.push_back({Field::kPathCount, &p.path_count});
      }
      break;
  }
  if (p.number != P::NumberPlace::kSkip) {
    in_use.push_back({Field::kStart, &p.start});
    in_use.push_back({Field::kStep, &p.step});
    in_use.push_back({Field::kZeroFill, &p.zero_fill});
  }
  return in_use;
}

}  // namespace

RenameField PrepareRenameParameters(RenameParameters& p, bool remember) {
  if (!remember) ResetToDefault(p);
  switch (p.tab) {
    case P::EditTab::kReplace:
      return p.new_text.empty() ? Field::kPrefix : Field::kNew;
    case P::EditTab::kCrop:
      return Field::kRemoveCount;
    case P::EditTab::kInsert:
      return Field::kInsertText;
    case P::EditTab::kSwap:
      return Field::kSwapCount;
    case P::EditTab::kPath:
      return Field::kPathCount;
  }
  return Field::kPrefix;
}

void LeaveOldText(RenameParameters& p) {
  if (p.old_text != kWholeName) return;
  p.number = P::NumberPlace::kPrefix;
  for (auto [field, fill] : {std::pair{&p.start, "1"}, {&p.step, "1"}, {&p.zero_fill, "3"}}) {
    if (field->empty()) *field = fill;
  }
}

void LeaveSeparatorText(RenameParameters& p) {
  if (!p.separator.empty()) p.use_separator = true;
}

std::optional<RenameFault> CheckRenameParameters(const RenameParameters& p) {
  const bool new_replaces_itself = p.new_text == p.old_text && p.old_text != kWholeName;
  const std::pair<Field, const std::string*> texts[] = {
      {Field::kNew, new_replaces_itself ? nullptr : &p.new_text},
      {Field::kPrefix, &p.prefix},
      {Field::kSuffix, &p.suffix},
      {Field::kExtension, &p.extension_text},
  };
  for (const auto& [field, text] : texts) {
    if (text != nullptr && !ValidFileNameChars(*text)) {
      return RenameFault{field, kInvalidCharsNotice};
    }
  }
  for (const auto& [field, number] : NumbersInUse(p)) {
    if (number->empty()) return RenameFault{field, kEmptyNumberNotice};
  }
  return std::nullopt;
}

}  // namespace krellix
