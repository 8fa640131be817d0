// The settings file of the main window: the file step of loading the settings, and the
// shutdown sequence that writes lists, histories and geometry back.
#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <algorithm>

#include "app/criteria_panel.h"
#include "app/directory_panel.h"
#include "app/main_window.h"
#include "app/screen_fit.h"
#include "app/startup_defaults.h"
#include "navigation/list_commands.h"
#include "platform/profile_file.h"
#include "settings/numbered_list.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

namespace krellix {

void TForm1::ReadSettingsFile(bool create, const std::string& file_name) {
  const std::string path = file_name.empty() ? paths_.IniName : file_name;
  ProfileFile file(path);
  if (!FileExists(path)) {
    const std::string stamp = FormatDateTimeOmitMidnight(clock_.Now(), locale_);
    WriteCreationKeys(file, std::string("Krellix ") + kVersion, stamp);
    if (const FileResult saved = file.Save()) {
      iniCreated = stamp;
      log_.AddLogLine("Config_created=" + path);
    } else {
      ReportUnwritable(path, saved.Error());
    }
  }
  if (!FileExists(path)) {
    startup_.SkipIni = true;
    return;
  }
  startup_.SkipIni = file.ReadBool("Init", "Disable", startup_.SkipIni);
  if (startup_.SkipIni) return;

  const OutOfRangeReport report = [this](const std::string& line) { log_.AddLogLine(line); };
  settings_.SaveFav = file.ReadBool("Prefs", "Sfav", settings_.SaveFav);
  const NumberedList bookmarks =
      ReadNumberedList(file, kBookmarkKeys, settings_.FavouritesSize, report);
  settings_.FavouritesSize = bookmarks.limit;
  SetBookmarks(bookmarks.entries);

  settings_.SaveWin = file.ReadBool("Form", "Swin", settings_.SaveWin);
  if (create && settings_.SaveWin) ApplyStoredGeometry(file, report);
  iniCreated = file.ReadString("init", "created", "not found");
  iniModified = file.ReadString("init", "modified", "not found");

  SettingsTargets targets{settings_, state_, criteria_, paths_};
  const auto between = [&](int stage) {
    if (stage == 1 && settings_.SaveHist) {
      const NumberedList history =
          ReadNumberedList(file, kScanHistoryKeys, settings_.HistorySize, report);
      settings_.HistorySize = history.limit;
      if (history.current) SetScanText(*history.current);
      history_.Assign(history.entries);
      criteria_panel_->SetHistory(history_.Entries());
    } else if (stage == 2 && settings_.SaveAddr) {
      const NumberedList addresses =
          ReadNumberedList(file, kAddressKeys, settings_.AddressSize, report);
      settings_.AddressSize = addresses.limit;
      RestoreAddresses(addresses.entries, addresses.current.value_or(AddressText()));
    }
  };
  ReadSettingsKeys(file, targets, between, report);
  if (!state_.ScanToFile) actions_.auto_scan->setChecked(!settings_.tempAutoScan);
  items_.SetSorted(state_.SortOutput != '-');
  log_.AddLogLine("Config=" + path);
}

void TForm1::ApplyStoredGeometry(const ProfileFile& file, const OutOfRangeReport& report) {
  // A place is taken when it lies within one desktop's extent of the desktop and a size when
  // the desktop can show it; anything else is a damaged value and gives the default.
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect desk = screen != nullptr ? screen->virtualGeometry() : QRect(0, 0, 1 << 14, 1 << 14);
  const IntRange x_range{desk.left() - desk.width(), desk.right() + desk.width()};
  const IntRange y_range{desk.top() - desk.height(), desk.bottom() + desk.height()};
  const IntRange width_range{1, desk.width()};
  const IntRange height_range{1, desk.height()};
  const auto read = [&](const char* section, const char* key, int def, IntRange range) {
    return ReadIntInRange(file, section, key, def, range, report);
  };
  QRect g = geometry();
  g.moveTop(read("Form", "WinT", g.top(), y_range));
  g.moveLeft(read("Form", "WinL", g.left(), x_range));
  g.setHeight(read("Form", "WinH", g.height(), height_range));
  g.setWidth(read("Form", "WinW", g.width(), width_range));
  const QList<int> sizes = splitter_->sizes();
  const int split = read("Form", "Split", sizes.value(0), {0, desk.width()});
  const int preview = read("Form", "Split2", directory_panel_->PreviewHeight(), {0, desk.height()});
  // The two dialogs default to the main window's place as read.
  for (auto [section, place] : {std::pair{"Form8", &settings_.Form8},
                                std::pair{"Form10", &settings_.Form10}}) {
    place->top = read(section, "WinT", g.top(), y_range);
    place->left = read(section, "WinL", g.left(), x_range);
    place->height = read(section, "WinH", g.height(), height_range);
    place->width = read(section, "WinW", g.width(), width_range);
  }
  settings_.Form8Splitter = read("Form8", "Split", 235, {0, desk.width()});
  // A window stored beyond the right or bottom edge comes back against that edge.
  if (screen != nullptr) {
    const QRect area = screen->geometry();
    g = WithSizeOnDesktop(g);
    if (g.left() > area.width()) g.moveLeft(area.width() - g.width());
    if (g.top() > area.height()) g.moveTop(area.height() - g.height());
  }
  setGeometry(g);
  splitter_->setSizes({split, std::max(0, sizes.value(0) + sizes.value(1) - split)});
  directory_panel_->SetPreviewHeight(preview);
}

void TForm1::WriteDialogPlaces(ProfileFile& file) {
  const QRect main = geometry();
  for (auto [section, place] : {std::pair{"Form8", settings_.Form8},
                                std::pair{"Form10", settings_.Form10}}) {
    // A dialog whose place was never known opens where the main window stands.
    if (place.width <= 0) place = {main.top(), main.left(), main.height(), main.width()};
    file.WriteInt(section, "WinT", place.top);
    file.WriteInt(section, "WinL", place.left);
    file.WriteInt(section, "WinH", place.height);
    file.WriteInt(section, "WinW", place.width);
  }
  file.WriteInt("Form8", "Split", settings_.Form8Splitter);
}

std::vector<std::string> TForm1::WriteShutdownSettings(ProfileFile& file) {
  std::vector<std::string> done;
  if (settings_.SaveWin) {
    const QRect g = geometry();
    file.WriteInt("Form", "WinT", g.top());
    file.WriteInt("Form", "WinL", g.left());
    file.WriteInt("Form", "WinH", g.height());
    file.WriteInt("Form", "WinW", g.width());
    file.WriteInt("Form", "Split", splitter_->sizes().value(0));
    file.WriteInt("Form", "Split2", directory_panel_->PreviewHeight());
    WriteDialogPlaces(file);
    done.push_back("Window_position_saved=Yes");
  }
  if (settings_.SaveFav) {
    WriteNumberedList(file, kBookmarkKeys, settings_.FavouritesSize, "", bookmarks_.Entries());
    done.push_back("Bookmarks_saved=Yes");
  }
  if (settings_.SaveHist) {
    WriteNumberedList(file, kScanHistoryKeys, settings_.HistorySize, criteria_.scan_text,
                      history_.Entries());
    done.push_back("History_saved=Yes");
  }
  if (settings_.SaveAddr) {
    WriteNumberedList(file, kAddressKeys, settings_.AddressSize, AddressText(),
                      addresses_.Entries());
    done.push_back("Address saved");
  }
  if (settings_.SaveDir) {
    const std::string mount = directory_panel_->DriveBoxMount();
    const int code = mount.empty() ? 0 : static_cast<unsigned char>(mount[0]);
    file.WriteInt("Prefs", "mDrv", code);
    file.Write("Prefs", "mDir", WithTrailingDelim(current_dir_));
    done.push_back("Directory_saved=Yes");
  }
  return done;
}

void TForm1::FormCloseQuery() {
  CloseDown = true;
  state_.CancelStopEsc = true;
  StopPreview();
  log_.AddLogLine("Closing_down=Yes");
  if (settings_.SaveIncList) {
    list_commands_->AutoSaveIncludeList();
    log_.AddLogLine("Include_list_saved=Yes");
  }
  if (settings_.SaveExcList) {
    list_commands_->AutoSaveExcludeList();
    log_.AddLogLine("Exclude_list_saved=Yes");
  }
  // "Save File list" is honoured like the other two list options.
  if (settings_.SaveFileList) {
    list_commands_->AutoSaveFileList();
    log_.AddLogLine("File_list_saved=Yes");
  }
  // The settings file is written only where it exists; closing never creates it.
  // The file is read as it stands now and written back once, whole, with these keys changed.
  if (!startup_.SkipIni && FileExists(paths_.IniName)) {
    ProfileFile file(paths_.IniName);
    const std::vector<std::string> done = WriteShutdownSettings(file);
    if (const FileResult saved = file.Save()) {
      for (const std::string& line : done) log_.AddLogLine(line);
    } else {
      const std::string text = WithReason("Cannot access: " + paths_.IniName, saved.Error());
      log_.AddLogLine(text);
      prompter_.ShowMessage(MessageKind::kError, text);
    }
  }
  log_.AddLogLine("Close_complete=Yes");
  if (settings_.LogSave) SaveLogfile(LogSaver(), LogSaveKind::kSilent);
}

}  // namespace krellix
