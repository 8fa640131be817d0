#pragma once

#include <optional>
#include <string>

#include "rename/rename_parameters.h"

namespace krellix {

// The fields of the "Rename" dialog that take the input focus at an opening or that OK can
// refuse.
enum class RenameField {
  kNew,
  kPrefix,
  kSuffix,
  kExtension,
  kRemoveCount,
  kRemovePosition,
  kLastCount,
  kInsertText,
  kInsertPosition,
  kSwapCount,
  kPathCount,
  kStart,
  kStep,
  kZeroFill,
};

// The steps of every opening of the dialog and of every change of its "(1) Edit" tab. With
// `remember` off every parameter returns to its default (ResetToDefault: "Old:", "New:" and the
// tab showing stay). Gives the field that takes the input focus: on "Replace" "New:" when it
// holds text, else "Prefix:"; on "Crop" the count of "Remove"; on "Insert" the "Insert:" text;
// on "Swap" and "Path" their counts.
RenameField PrepareRenameParameters(RenameParameters& p, bool remember);

// Leaving "Old:" while it holds exactly "*.*": the number choice becomes "Prefix", and each of
// "Start:", "Step:" and "Zero fill:" that is empty becomes "1", "1" and "3". Any other text
// changes nothing.
void LeaveOldText(RenameParameters& p);

// Leaving the separator text while it holds text ticks "Separator".
void LeaveSeparatorText(RenameParameters& p);

inline constexpr char kInvalidCharsNotice[] = "Invalid characters found, re-enter";
inline constexpr char kEmptyNumberNotice[] = "A number field is empty, re-enter";

// What OK refuses: the first field at fault and the notice that says why.
struct RenameFault {
  RenameField field;
  std::string notice;

  bool operator==(const RenameFault&) const = default;
};

// The check of OK. "New:", "Prefix:", "Suffix:" and "Extension" are tested in this order with
// ValidFileNameChars; "New:" passes while it equals "Old:" (other than "*.*"), since replacing a
// text by itself adds no character the name does not already hold. Then every numeric field
// that the chosen rules read must hold a number, in the order of the dialog: on the "(1) Edit"
// tab showing, the counts and position of its chosen option ("Insert" always reads its
// position; "Add all levels" reads no count); while numbering is on, "Start:", "Step:" and
// "Zero fill:". No fault: the dialog may close.
std::optional<RenameFault> CheckRenameParameters(const RenameParameters& p);

}  // namespace krellix
