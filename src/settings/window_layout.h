#pragma once

#include "settings/app_settings.h"
#include "settings/value_range.h"

namespace krellix {

class ProfileFile;

// The main window's place and the sizes of its panes, as the settings file keeps them under
// "Form".
struct WindowLayout {
  WindowPlace window;  // "WinT", "WinL", "WinH", "WinW"
  int split = 0;       // "Split": the width of the directory pane
  int preview = 0;     // "Split2": the height of the preview pane
};

// The extent of the whole desktop (all screens), in pixels.
struct DesktopArea {
  int left = 0, top = 0, width = 0, height = 0;
};

// Reads the stored layout. A place is taken when it lies within one desktop's extent of
// `desk`, a size when `desk` can show it, a pane size when it is between 0 and the desktop's
// width (split) or height (preview); anything else is a damaged value, reported through
// `report`, and gives the value of `current`. The places of the dialogs "Form8" and "Form10"
// go to `settings`, each value defaulting to the main window's place as read, and "Form8"
// "Split" to Form8Splitter (default 235).
WindowLayout ReadWindowLayout(const ProfileFile& file, const DesktopArea& desk,
                              const WindowLayout& current, AppSettings& settings,
                              const OutOfRangeReport& report);

// Writes `layout` and the places of the two dialogs and Form8Splitter from `settings`, in
// memory. A dialog whose place was never known (width 0) is stored at the main window's place.
void WriteWindowLayout(ProfileFile& file, const WindowLayout& layout, const AppSettings& settings);

}  // namespace krellix
