#pragma once

#include <optional>
#include <string>

#include "fileops/copy_move_values.h"

namespace krellix {

// The new name of `name` under the "Rename during" rules, with `number` as the running number's
// text. The name is split at its last "." into base and extension; the first "Old:" in the base
// (letter case counts) becomes "New:" when the two differ; the base gets the prefix and suffix;
// unless the number place is kSkip, the number, left-padded with "0" to the zero fill, goes
// before or after the base with the separator (when used) between; the extension follows.
std::string RenameDuringName(const std::string& name, const RenameDuring& rules,
                             const std::string& number);

// A number field of the dialog ("Start:", "Step:", "Zero fill:"): its value, or nothing when
// it holds anything but 1 to 9 digits.
std::optional<int> ReadNumberField(const std::string& text);

}  // namespace krellix
