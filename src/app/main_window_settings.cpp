// The settings file of the main window: the file step of loading the settings, and the
// shutdown sequence that writes lists, histories and geometry back.
#include <QAction>
#include <algorithm>
#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>

#include "app/criteria_panel.h"
#include "app/directory_panel.h"
#include "app/main_window.h"
#include "app/screen_fit.h"
#include "app/startup_defaults.h"
#include "platform/profile_file.h"
#include "settings/numbered_list.h"
#include "settings/settings_keys.h"

namespace krellix {

void TForm1::ReadSettingsFile(bool create, const std::string& file_name) {
  const std::string path = file_name.empty() ? paths_.IniName : file_name;
  ProfileFile file(path);
  if (!FileExists(path)) {
    const std::string stamp = FormatDateTimeOmitMidnight(clock_.Now(), locale_);
    if (file.Write("Init", "Version", std::string("Krellix ") + kVersion) &&
        file.Write("Init", "Created", stamp)) {
      iniCreated = stamp;
      log_.AddLogLine("Config_created=" + path);
    } else {
      ReportUnwritable(path);
    }
  }
  if (!FileExists(path)) {
    startup_.SkipIni = true;
    return;
  }
  startup_.SkipIni = file.ReadBool("Init", "Disable", startup_.SkipIni);
  if (startup_.SkipIni) return;

  settings_.SaveFav = file.ReadBool("Prefs", "Sfav", settings_.SaveFav);
  const NumberedList bookmarks = ReadNumberedList(file, kBookmarkKeys, settings_.FavouritesSize);
  settings_.FavouritesSize = bookmarks.limit;
  SetBookmarks(bookmarks.entries);

  settings_.SaveWin = file.ReadBool("Form", "Swin", settings_.SaveWin);
  if (create && settings_.SaveWin) ApplyStoredGeometry(file);
  iniCreated = file.ReadString("init", "created", "not found");
  iniModified = file.ReadString("init", "modified", "not found");

  SettingsTargets targets{settings_, state_, criteria_, paths_};
  ReadSettingsKeys(file, targets, [&](int stage) {
    if (stage == 1 && settings_.SaveHist) {
      const NumberedList history = ReadNumberedList(file, kScanHistoryKeys, settings_.HistorySize);
      settings_.HistorySize = history.limit;
      if (history.current) SetScanText(*history.current);
      history_.Assign(history.entries);
      criteria_panel_->SetHistory(history_.Entries());
    } else if (stage == 2 && settings_.SaveAddr) {
      const NumberedList addresses = ReadNumberedList(file, kAddressKeys, settings_.AddressSize);
      settings_.AddressSize = addresses.limit;
      RestoreAddresses(addresses.entries, addresses.current.value_or(AddressText()));
    }
  });
  if (!state_.ScanToFile) actions_.auto_scan->setChecked(!settings_.tempAutoScan);
  items_.SetSorted(state_.SortOutput != '-');
  log_.AddLogLine("Config=" + path);
}

void TForm1::ApplyStoredGeometry(const ProfileFile& file) {
  QRect g = geometry();
  g.moveTop(static_cast<int>(file.ReadInt("Form", "WinT", g.top())));
  g.moveLeft(static_cast<int>(file.ReadInt("Form", "WinL", g.left())));
  g.setHeight(static_cast<int>(file.ReadInt("Form", "WinH", g.height())));
  g.setWidth(static_cast<int>(file.ReadInt("Form", "WinW", g.width())));
  const QList<int> sizes = splitter_->sizes();
  const int split = static_cast<int>(file.ReadInt("Form", "Split", sizes.value(0)));
  const int preview =
      static_cast<int>(file.ReadInt("Form", "Split2", directory_panel_->PreviewHeight()));
  // The two dialogs default to the main window's place as read.
  for (auto [section, place] : {std::pair{"Form8", &settings_.Form8},
                                std::pair{"Form10", &settings_.Form10}}) {
    place->top = static_cast<int>(file.ReadInt(section, "WinT", g.top()));
    place->left = static_cast<int>(file.ReadInt(section, "WinL", g.left()));
    place->height = static_cast<int>(file.ReadInt(section, "WinH", g.height()));
    place->width = static_cast<int>(file.ReadInt(section, "WinW", g.width()));
  }
  settings_.Form8Splitter = static_cast<int>(file.ReadInt("Form8", "Split", 235));
  // A window stored beyond the right or bottom edge comes back against that edge.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    g = WithSizeOnDesktop(g);
    if (g.left() > area.width()) g.moveLeft(area.width() - g.width());
    if (g.top() > area.height()) g.moveTop(area.height() - g.height());
  }
  setGeometry(g);
  splitter_->setSizes({split, std::max(0, sizes.value(0) + sizes.value(1) - split)});
  directory_panel_->SetPreviewHeight(preview);
}

bool TForm1::WriteDialogPlaces(ProfileFile& file) {
  const QRect main = geometry();
  for (auto [section, place] : {std::pair{"Form8", settings_.Form8},
                                std::pair{"Form10", settings_.Form10}}) {
    // A dialog whose place was never known opens where the main window stands.
    if (place.width <= 0) place = {main.top(), main.left(), main.height(), main.width()};
    if (!file.WriteInt(section, "WinT", place.top) || !file.WriteInt(section, "WinL", place.left) ||
        !file.WriteInt(section, "WinH", place.height) ||
        !file.WriteInt(section, "WinW", place.width)) {
      return false;
    }
  }
  return file.WriteInt("Form8", "Split", settings_.Form8Splitter);
}

bool TForm1::WriteShutdownSettings(ProfileFile& file) {
  if (settings_.SaveWin) {
    const QRect g = geometry();
    if (!file.WriteInt("Form", "WinT", g.top()) || !file.WriteInt("Form", "WinL", g.left()) ||
        !file.WriteInt("Form", "WinH", g.height()) || !file.WriteInt("Form", "WinW", g.width()) ||
        !file.WriteInt("Form", "Split", splitter_->sizes().value(0)) ||
        !file.WriteInt("Form", "Split2", directory_panel_->PreviewHeight()) ||
        !WriteDialogPlaces(file)) {
      return false;
    }
    log_.AddLogLine("Window_position_saved=Yes");
  }
  if (settings_.SaveFav) {
    if (!WriteNumberedList(file, kBookmarkKeys, settings_.FavouritesSize, "",
                           bookmarks_.Entries())) {
      return false;
    }
    log_.AddLogLine("Bookmarks_saved=Yes");
  }
  if (settings_.SaveHist) {
    if (!WriteNumberedList(file, kScanHistoryKeys, settings_.HistorySize, criteria_.scan_text,
                           history_.Entries())) {
      return false;
    }
    log_.AddLogLine("History_saved=Yes");
  }
  if (settings_.SaveAddr) {
    if (!WriteNumberedList(file, kAddressKeys, settings_.AddressSize, AddressText(),
                           addresses_.Entries())) {
      return false;
    }
    log_.AddLogLine("Address saved");
  }
  if (settings_.SaveDir) {
    const std::string mount = directory_panel_->DriveBoxMount();
    const int code = mount.empty() ? 0 : static_cast<unsigned char>(mount[0]);
    if (!file.WriteInt("Prefs", "mDrv", code) ||
        !file.Write("Prefs", "mDir", WithTrailingDelim(current_dir_))) {
      return false;
    }
    log_.AddLogLine("Directory_saved=Yes");
  }
  return true;
}

void TForm1::FormCloseQuery() {
  CloseDown = true;
  state_.CancelStopEsc = true;
  StopPreview();
  log_.AddLogLine("Closing_down=Yes");
  if (settings_.SaveIncList) {
    AutoSaveIncludeList();
    log_.AddLogLine("Include_list_saved=Yes");
  }
  if (settings_.SaveExcList) {
    AutoSaveExcludeList();
    log_.AddLogLine("Exclude_list_saved=Yes");
  }
  // "Save File list" is honoured like the other two list options.
  if (settings_.SaveFileList) {
    AutoSaveFileList();
    log_.AddLogLine("File_list_saved=Yes");
  }
  // The settings file is written only where it exists; closing never creates it.
  if (!startup_.SkipIni && FileExists(paths_.IniName)) {
    ProfileFile file(paths_.IniName);
    if (!WriteShutdownSettings(file)) {
      log_.AddLogLine("Cannot access: " + paths_.IniName);
      prompter_.ShowMessage(MessageKind::kError, "Cannot access: " + paths_.IniName);
    }
  }
  log_.AddLogLine("Close_complete=Yes");
  if (settings_.LogSave) SaveLogfile(LogSaver(), LogSaveKind::kSilent);
}

}  // namespace krellix
