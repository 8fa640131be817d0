#pragma once

namespace krellix {

// Where a window or dialog stands: its top, left, height and width. A width of 0 means not yet
// known.
struct WindowPlace {
  int top = 0, left = 0, height = 0, width = 0;

  bool operator==(const WindowPlace&) const = default;
};

}  // namespace krellix
