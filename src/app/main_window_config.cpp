// The configuration dialog as the main window runs it: its values, applying them, and the
// settings file's maintenance ("Save", the "Clear" buttons, create, delete, back up, save as,
// load).
#include <QAction>

#include "app/criteria_panel.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "widgets/qt_text.h"
#include "app/startup_defaults.h"
#include "fileops/copy_from_item_list.h"
#include "itemlist/item_list_view.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "settings/configuration_dialog.h"
#include "settings/settings_file.h"
#include "settings/settings_keys.h"

namespace krellix {

void TForm1::CreateConfigurationDialog() {
  ConfigurationCommands c;
  c.current = [this] { return CurrentConfigValues(); };
  c.apply = [this](const ConfigValues& v) { return ActivateSettings(v); };
  c.save = [this](const ConfigValues& v) { SaveConfigurationCommand(v); };
  c.save_to = [this](const std::string& file, const ConfigValues& v) {
    SaveSettings(file, v);
    log_.AddLogLine("Saved=" + file);
  };
  c.clear_scan_history = [this] { ClearScanHistoryCommand(); };
  c.clear_addresses = [this] {
    log_.AddLogLine("Clear Addresses");
    RestoreAddresses({}, AddressText());
  };
  c.clear_bookmarks = [this] { ClearBookmarksCommand(); };
  c.create_ini = [this] { return CreateIniCommand(); };
  c.delete_ini = [this] { DeleteIniCommand(); };
  c.backup_ini = [this] { BackupIniCommand(); };
  c.load_ini = [this](const std::string& file) {
    startup_.SkipIni = false;
    log_.AddLogLine("Loaded=" + file);
    SetDefaults(true, file);
  };
  c.ini_name = [this] { return paths_.IniName; };
  c.ini_created = [this] { return iniCreated; };
  c.ini_modified = [this] { return iniModified; };
  c.log = [this](const std::string& line) { log_.AddLogLine(line); };
  c.printer_font = [this] { return settings_.PrinterFont; };
  c.set_printer_font = [this](const FontFace& font) { settings_.PrinterFont = font; };
  config_window_ = new TForm4(std::move(c), prompter_, state_.ScanToFile, this);
}

ConfigValues TForm1::CurrentConfigValues() {
  ConfigValues v;
  v.app = settings_;
  v.scan = state_;
  v.criteria = criteria_;
  v.paths = paths_;
  v.item_limit = std::to_string(state_.ItemLimit);
  v.stop_intvl = std::to_string(state_.StopIntvl);
  v.scan_text = criteria_.scan_text;
  v.scan_list = history_.Entries();
  return v;
}

bool TForm1::ActivateSettings(const ConfigValues& v) {
  ConfigTargets t{settings_, state_, criteria_, paths_, items_.Count() == 0, {}, {}, {}, {}};
  t.show_error = [this](const std::string& text) {
    prompter_.ShowMessage(MessageKind::kError, text);
  };
  t.ask_warning = [this](const std::string& text) {
    return prompter_.Ask(text, Buttons::kYesNo) == Answer::kYes;
  };
  t.set_scan_box = [this](const std::string& text, const std::vector<std::string>& list) {
    history_.Assign(list);
    ShowScanHistory();
    SetScanText(text);
  };
  t.trim_bookmarks = [this](int keep) {
    std::vector<std::string> entries = bookmarks_.Entries();
    if (entries.size() > static_cast<std::size_t>(keep)) {
      entries.resize(static_cast<std::size_t>(keep));
      SetBookmarks(std::move(entries));
    }
  };
  const bool complete = ApplyConfigValues(v, t);
  // The custom scan strings are taken once the dialog has closed.
  applied_custom_ = v.app.CustOpt;
  // The main window's own controls show what was applied, also after a stop.
  criteria_panel_->Refresh();
  ApplyPreferences();
  if (!state_.ScanToFile) actions_.auto_scan->setChecked(!state_.AutoScan);
  if (complete && list_panel_->Showing(ListPanel::kInfo)) Information2Click();
  return complete;
}

void TForm1::SaveConfigurationCommand(const ConfigValues& v) {
  if (startup_.SkipIni) {
    prompter_.ShowMessage(MessageKind::kWarning, "Cannot store preferences, .ini disabled");
  } else if (FileExists(paths_.IniName)) {
    SaveSettings(paths_.IniName, v);
  } else {
    prompter_.ShowMessage(MessageKind::kWarning, paths_.IniName + " - not found");
  }
}

void TForm1::SaveSettings(const std::string& file_name, const ConfigValues& v) {
  ConfigValues dialog = v;
  const SettingsTargets dialog_targets{dialog.app, dialog.scan, dialog.criteria, dialog.paths};
  const SettingsTargets fields{settings_, state_, criteria_, paths_};
  const RememberedLists lists{bookmarks_.Entries(), criteria_.scan_text, history_.Entries(),
                              AddressText(), addresses_.Entries()};
  const std::string stamp = FormatDateTimeOmitMidnight(clock_.Now(), locale_);
  ProfileFile file(file_name);
  WriteConfiguration(file, fields, dialog_targets, lists, stamp);
  if (const FileResult saved = file.Save(); !saved) {
    ReportUnwritable(file_name, saved.Error());
    return;
  }
  iniModified = stamp;
  log_.AddLogLine("SavedConfiguration=" + file_name);
}

void TForm1::ReportUnwritable(const std::string& file_name, const FileError& error) {
  const std::string text = WithReason("Unable to write to " + file_name, error);
  log_.AddLogLine(text);
  prompter_.ShowMessage(MessageKind::kError, text);
}

void TForm1::ClearScanHistoryCommand() {
  log_.AddLogLine("Clear History");
  if (startup_.SkipIni || !FileExists(paths_.IniName)) return;
  ProfileFile file(paths_.IniName);
  ClearScanHistoryKeys(file, settings_.HistorySize);
  if (const FileResult saved = file.Save(); !saved) ReportUnwritable(paths_.IniName, saved.Error());
}

void TForm1::ClearBookmarksCommand() {
  log_.AddLogLine("Clear Bookmarks");
  SetBookmarks({});
  if (startup_.SkipIni) return;
  if (!FileExists(paths_.IniName)) {
    prompter_.ShowMessage(MessageKind::kWarning, paths_.IniName + " - file not found");
    return;
  }
  ProfileFile file(paths_.IniName);
  ClearBookmarkKeys(file, settings_.FavouritesSize);
  if (const FileResult saved = file.Save(); !saved) ReportUnwritable(paths_.IniName, saved.Error());
}

bool TForm1::CreateIniCommand() {
  const std::string stamp = FormatDateTimeOmitMidnight(clock_.Now(), locale_);
  ProfileFile file(paths_.IniName);
  WriteCreationKeys(file, std::string("Krellix ") + kVersion, stamp);
  const FileResult saved = file.Save();
  if (saved) iniCreated = stamp;
  if (!FileExists(paths_.IniName)) {
    const std::string text = "Failed to create " + paths_.IniName;
    prompter_.ShowMessage(MessageKind::kError, saved ? text : WithReason(text, saved.Error()));
    return false;
  }
  startup_.SkipIni = false;
  log_.AddLogLine("Created=" + paths_.IniName);
  return true;
}

void TForm1::DeleteIniCommand() {
  if (prompter_.Ask("OK to delete:\r\n" + paths_.IniName + " ?", Buttons::kOkCancel) !=
      Answer::kOk) {
    return;
  }
  if (!FileExists(paths_.IniName)) {
    prompter_.ShowMessage(MessageKind::kWarning, paths_.IniName + " - file not found");
    return;
  }
  if (!RemoveFile(paths_.IniName)) {
    prompter_.ShowMessage(MessageKind::kError, paths_.IniName + " - file not deleted");
    return;
  }
  startup_.SkipIni = true;
  log_.AddLogLine("Deleted=" + paths_.IniName);
  prompter_.ShowMessage(MessageKind::kInformation, paths_.IniName + " - file deleted");
}

void TForm1::BackupIniCommand() {
  if (!FileExists(paths_.IniName)) {
    prompter_.ShowMessage(MessageKind::kWarning, paths_.IniName + " file not found");
    return;
  }
  const std::string backup = BackupName(paths_.IniName, clock_.Now());
  if (CopyFromItemList(false, 0, paths_.IniName, backup, prompter_, log_) == Answer::kOk) {
    prompter_.ShowMessage(MessageKind::kInformation, "Backup created: " + backup);
  } else {
    prompter_.ShowMessage(MessageKind::kError, "Backup failed for: " + backup);
  }
}

void TForm1::ConfigurationCommand() {
  if (engine_.Running()) return;
  const char sort_before = state_.SortOutput;
  if (config_window_->exec() != QDialog::Accepted) return;
  if (state_.SortOutput != sort_before) item_commands_->Clear();
  ApplyPreferences();
  items_.SetSorted(state_.SortOutput != '-');
  list_panel_->ItemView()->Refresh();
  settings_.CustOpt = applied_custom_;
  for (std::size_t i = 0; i < actions_.custom.size(); ++i) {
    actions_.custom[i]->setText(ToQt(settings_.CustOpt[i]));
  }
}

void TForm1::ShowScanHistory() {
  if (settings_.ComboSort) history_.SortEntries();
  criteria_panel_->SetHistory(history_.Entries());
}

}  // namespace krellix
