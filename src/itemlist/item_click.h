#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace krellix {

// What the status bar says after a click on the item list: with two or more lines selected,
// "<n> items selected"; else the clicked item's full name and its attribute letters
// ("  [RD]"), or "  [not found]" when its attributes could not be read (`attributes` empty).
std::string ClickStatusText(std::size_t selected_count, const std::string& full_name,
                            const std::optional<std::uint32_t>& attributes);

// The "file://" URL of a local path, every byte outside the unreserved characters and "/"
// percent-encoded, so a name that is no valid UTF-8 reaches the opener unchanged.
std::string LocalFileUrl(const std::string& path);

}  // namespace krellix
