#include "settings/window_layout.h"

#include <cstdint>
#include <utility>

#include "platform/profile_file.h"

namespace krellix {

WindowLayout ReadWindowLayout(const ProfileFile& file, const DesktopArea& desk,
                              const WindowLayout& current, AppSettings& settings,
                              const OutOfRangeReport& report) {
  const std::int64_t left = desk.left, top = desk.top, width = desk.width, height = desk.height;
  // The last pixel of the desktop is left + width - 1; a place may lie up to one desktop
  // beyond either edge.
  const IntRange x_range{left - width, left + width - 1 + width};
  const IntRange y_range{top - height, top + height - 1 + height};
  const IntRange width_range{1, width};
  const IntRange height_range{1, height};
  const auto read = [&](const char* section, const char* key, int def, IntRange range) {
    return ReadIntInRange(file, section, key, def, range, report);
  };
  WindowLayout layout;
  WindowPlace& g = layout.window;
  g.top = read("Form", "WinT", current.window.top, y_range);
  g.left = read("Form", "WinL", current.window.left, x_range);
  g.height = read("Form", "WinH", current.window.height, height_range);
  g.width = read("Form", "WinW", current.window.width, width_range);
  layout.split = read("Form", "Split", current.split, {0, width});
  layout.preview = read("Form", "Split2", current.preview, {0, height});
  for (auto [section, place] :
       {std::pair{"Form8", &settings.Form8}, std::pair{"Form10", &settings.Form10}}) {
    place->top = read(section, "WinT", g.top, y_range);
    place->left = read(section, "WinL", g.left, x_range);
    place->height = read(section, "WinH", g.height, height_range);
    place->width = read(section, "WinW", g.width, width_range);
  }
  settings.Form8Splitter = read("Form8", "Split", 235, {0, width});
  return layout;
}

void WriteWindowLayout(ProfileFile& file, const WindowLayout& layout, const AppSettings& settings) {
  const WindowPlace& main = layout.window;
  file.WriteInt("Form", "WinT", main.top);
  file.WriteInt("Form", "WinL", main.left);
  file.WriteInt("Form", "WinH", main.height);
  file.WriteInt("Form", "WinW", main.width);
  file.WriteInt("Form", "Split", layout.split);
  file.WriteInt("Form", "Split2", layout.preview);
  for (auto [section, place] :
       {std::pair{"Form8", settings.Form8}, std::pair{"Form10", settings.Form10}}) {
    if (place.width <= 0) place = main;
    file.WriteInt(section, "WinT", place.top);
    file.WriteInt(section, "WinL", place.left);
    file.WriteInt(section, "WinH", place.height);
    file.WriteInt(section, "WinW", place.width);
  }
  file.WriteInt("Form8", "Split", settings.Form8Splitter);
}

}  // namespace krellix
