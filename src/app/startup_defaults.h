#pragma once

#include <array>
#include <string>
#include <vector>

#include "base/product_info.h"
#include "scan/scan_state.h"
#include "settings/app_settings.h"

namespace krellix {

// The ten scan strings the scan string box offers on a first start, in order.
const std::vector<std::string>& DefaultScanStrings();
// The five custom scan strings.
const std::array<std::string, 5>& DefaultCustomScanStrings();

// Gives every preference and run-time field its built-in default, as they stand before the
// settings file is read. The scan-to-file mode of `state` is kept and decides SortOutput.
void ApplyBuiltInDefaults(AppSettings& settings, ScanState& state);

}  // namespace krellix
