#include "settings/settings_commands.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

#include "base/activity_log.h"
#include "fileops/copy_from_item_list.h"
#include "itemlist/item_list.h"
#include "navigation/scan_history.h"
#include "output/locale_format.h"
#include "platform/clock.h"
#include "platform/file_result.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "platform/prompter.h"
#include "scan/scan_host.h"
#include "settings/configuration_dialog.h"
#include "settings/numbered_list.h"
#include "settings/settings_keys.h"
#include "widgets/command_registry.h"

namespace krellix {
namespace {

// The whole desktop; without a screen, one large enough for any sensible place.
DesktopArea Desktop() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect desk = screen != nullptr ? screen->virtualGeometry() : QRect(0, 0, 1 << 14, 1 << 14);
  return {desk.left(), desk.top(), desk.width(), desk.height()};
}

}  // namespace

SettingsCommands::SettingsCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)) {}

void SettingsCommands::Register(CommandRegistry& commands) {
  QAction* configuration = commands.Add("options.configuration", "&Configuration",
                                        QKeySequence("Alt+C"), [this] { ConfigurationCommand(); });
  configuration->setToolTip("Configuration");
  configuration->setIcon(ctx_.window->style()->standardIcon(QStyle::SP_FileDialogDetailedView));
}

void SettingsCommands::CreateDialog() {
  ConfigurationCommands c;
  c.current = [this] { return CurrentValues(); };
  c.apply = [this](const ConfigValues& v) { return ActivateSettings(v); };
  c.save = [this](const ConfigValues& v) { SaveConfigurationCommand(v); };
  c.save_to = [this](const std::string& file, const ConfigValues& v) {
    SaveSettings(file, v);
    ctx_.log.AddLogLine("Saved=" + file);
  };
  c.clear_scan_history = [this] { ClearScanHistoryCommand(); };
  c.clear_addresses = [this] {
    ctx_.log.AddLogLine("Clear Addresses");
    ctx_.restore_addresses({}, ctx_.address_text());
  };
  c.clear_bookmarks = [this] { ClearBookmarksCommand(); };
  c.create_ini = [this] { return CreateIniCommand(); };
  c.delete_ini = [this] { DeleteIniCommand(); };
  c.backup_ini = [this] { BackupIniCommand(); };
  c.load_ini = [this](const std::string& file) {
    ctx_.skip_ini = false;
    ctx_.log.AddLogLine("Loaded=" + file);
    ctx_.set_defaults(true, file);
  };
  c.ini_name = [this] { return ctx_.paths.IniName; };
  c.ini_created = [this] { return ini_created_; };
  c.ini_modified = [this] { return ini_modified_; };
  c.log = [this](const std::string& line) { ctx_.log.AddLogLine(line); };
  c.printer_font = [this] { return ctx_.settings.PrinterFont; };
  c.set_printer_font = [this](const FontFace& font) { ctx_.settings.PrinterFont = font; };
  dialog_ =
      new ConfigurationDialog(std::move(c), ctx_.prompter, ctx_.state.ScanToFile, ctx_.window);
}

void SettingsCommands::ConfigurationCommand() {
  if (ctx_.busy()) return;
  const ItemOrder sort_before = ctx_.state.SortOutput;
  if (dialog_->exec() != QDialog::Accepted) return;
  if (ctx_.state.SortOutput != sort_before) ctx_.clear_items();
  ctx_.show_preferences();
  ctx_.items.SetSorted(ctx_.state.SortOutput != ItemOrder::kArrival);
  ctx_.refresh_items();
  ctx_.settings.CustOpt = applied_custom_;
  ctx_.show_custom_strings();
}

ConfigValues SettingsCommands::CurrentValues() {
  ConfigValues v;
  v.app = ctx_.settings;
  v.scan = ctx_.state;
  v.criteria = ctx_.criteria;
  v.paths = ctx_.paths;
  v.item_limit = std::to_string(ctx_.state.ItemLimit);
  v.stop_intvl = std::to_string(ctx_.state.StopIntvl);
  v.scan_text = ctx_.criteria.scan_text;
  v.scan_list = ctx_.history.Entries();
  return v;
}

bool SettingsCommands::ActivateSettings(const ConfigValues& v) {
  ConfigTargets t{ctx_.settings,
                  ctx_.state,
                  ctx_.criteria,
                  ctx_.paths,
                  ctx_.items.Count() == 0,
                  {},
                  {},
                  {},
                  {}};
  t.show_error = [this](const std::string& text) {
    ctx_.prompter.ShowMessage(MessageKind::kError, text);
  };
  t.ask_warning = [this](const std::string& text) {
    return ctx_.prompter.Ask(text, Buttons::kYesNo) == Answer::kYes;
  };
  t.set_scan_box = [this](const std::string& text, const std::vector<std::string>& list) {
    ctx_.history.Assign(list);
    ctx_.show_scan_history();
    ctx_.host.SetScanText(text);
  };
  t.trim_bookmarks = [this](int keep) {
    std::vector<std::string> entries = ctx_.bookmarks();
    if (entries.size() > static_cast<std::size_t>(keep)) {
      entries.resize(static_cast<std::size_t>(keep));
      ctx_.set_bookmarks(std::move(entries));
    }
  };
  const bool complete = ApplyConfigValues(v, t);
  // The custom scan strings are taken once the dialog has closed.
  applied_custom_ = v.app.CustOpt;
  // The window's own controls show what was applied, also after a stop.
  ctx_.show_criteria();
  ctx_.show_preferences();
  ShowAutoScan(ctx_.state.AutoScan);
  if (complete) ctx_.refresh_info();
  return complete;
}

void SettingsCommands::SaveConfigurationCommand(const ConfigValues& v) {
  const std::string& ini = ctx_.paths.IniName;
  if (ctx_.skip_ini) {
    ctx_.prompter.ShowMessage(MessageKind::kWarning, "Cannot store preferences, .ini disabled");
  } else if (FileExists(ini)) {
    SaveSettings(ini, v);
  } else {
    ctx_.prompter.ShowMessage(MessageKind::kWarning, ini + " - not found");
  }
}

void SettingsCommands::SaveSettings(const std::string& file_name, const ConfigValues& v) {
  ConfigValues dialog = v;
  const SettingsTargets dialog_targets{dialog.app, dialog.scan, dialog.criteria, dialog.paths};
  const SettingsTargets fields{ctx_.settings, ctx_.state, ctx_.criteria, ctx_.paths};
  const std::string stamp = Stamp();
  ProfileFile file(file_name);
  WriteConfiguration(file, fields, dialog_targets, Lists(), stamp);
  if (const FileResult saved = file.Save(); !saved) {
    ReportUnwritable(file_name, saved.Error());
    return;
  }
  ini_modified_ = stamp;
  ctx_.log.AddLogLine("SavedConfiguration=" + file_name);
}

void SettingsCommands::ReportUnwritable(const std::string& file_name, const FileError& error) {
  const std::string text = WithReason("Unable to write to " + file_name, error);
  ctx_.log.AddLogLine(text);
  ctx_.prompter.ShowMessage(MessageKind::kError, text);
}

void SettingsCommands::ClearScanHistoryCommand() {
  const std::string& ini = ctx_.paths.IniName;
  ctx_.log.AddLogLine("Clear History");
  if (ctx_.skip_ini || !FileExists(ini)) return;
  ProfileFile file(ini);
  ClearScanHistoryKeys(file, ctx_.settings.HistorySize);
  if (const FileResult saved = file.Save(); !saved) ReportUnwritable(ini, saved.Error());
}

void SettingsCommands::ClearBookmarksCommand() {
  const std::string& ini = ctx_.paths.IniName;
  ctx_.log.AddLogLine("Clear Bookmarks");
  ctx_.set_bookmarks({});
  if (ctx_.skip_ini) return;
  if (!FileExists(ini)) {
    ctx_.prompter.ShowMessage(MessageKind::kWarning, ini + " - file not found");
    return;
  }
  ProfileFile file(ini);
  ClearBookmarkKeys(file, ctx_.settings.FavouritesSize);
  if (const FileResult saved = file.Save(); !saved) ReportUnwritable(ini, saved.Error());
}

bool SettingsCommands::CreateIniCommand() {
  const std::string& ini = ctx_.paths.IniName;
  const std::string stamp = Stamp();
  ProfileFile file(ini);
  WriteCreationKeys(file, ctx_.version_title, stamp);
  const FileResult saved = file.Save();
  if (saved) ini_created_ = stamp;
  if (!FileExists(ini)) {
    const std::string text = "Failed to create " + ini;
    ctx_.prompter.ShowMessage(MessageKind::kError, saved ? text : WithReason(text, saved.Error()));
    return false;
  }
  ctx_.skip_ini = false;
  ctx_.log.AddLogLine("Created=" + ini);
  return true;
}

void SettingsCommands::DeleteIniCommand() {
  const std::string& ini = ctx_.paths.IniName;
  if (ctx_.prompter.Ask("OK to delete:\r\n" + ini + " ?", Buttons::kOkCancel) != Answer::kOk) {
    return;
  }
  if (!FileExists(ini)) {
    ctx_.prompter.ShowMessage(MessageKind::kWarning, ini + " - file not found");
    return;
  }
  if (!RemoveFile(ini)) {
    ctx_.prompter.ShowMessage(MessageKind::kError, ini + " - file not deleted");
    return;
  }
  ctx_.skip_ini = true;
  ctx_.log.AddLogLine("Deleted=" + ini);
  ctx_.prompter.ShowMessage(MessageKind::kInformation, ini + " - file deleted");
}

void SettingsCommands::BackupIniCommand() {
  const std::string& ini = ctx_.paths.IniName;
  if (!FileExists(ini)) {
    ctx_.prompter.ShowMessage(MessageKind::kWarning, ini + " file not found");
    return;
  }
  const std::string backup = BackupName(ini, ctx_.clock.Now());
  if (CopyFromItemList(false, 0, ini, backup, ctx_.prompter, ctx_.log) == Answer::kOk) {
    ctx_.prompter.ShowMessage(MessageKind::kInformation, "Backup created: " + backup);
  } else {
    ctx_.prompter.ShowMessage(MessageKind::kError, "Backup failed for: " + backup);
  }
}

void SettingsCommands::ReadFile(bool create, const std::string& file_name) {
  AppSettings& settings = ctx_.settings;
  const std::string path = file_name.empty() ? ctx_.paths.IniName : file_name;
  ProfileFile file(path);
  if (!FileExists(path)) {
    const std::string stamp = Stamp();
    WriteCreationKeys(file, ctx_.version_title, stamp);
    if (const FileResult saved = file.Save()) {
      ini_created_ = stamp;
      ctx_.log.AddLogLine("Config_created=" + path);
    } else {
      ReportUnwritable(path, saved.Error());
    }
  }
  if (!FileExists(path)) {
    ctx_.skip_ini = true;
    return;
  }
  ctx_.skip_ini = file.ReadBool("Init", "Disable", ctx_.skip_ini);
  if (ctx_.skip_ini) return;

  const OutOfRangeReport report = [this](const std::string& line) { ctx_.log.AddLogLine(line); };
  settings.SaveFav = file.ReadBool("Prefs", "Sfav", settings.SaveFav);
  const NumberedList bookmarks =
      ReadNumberedList(file, kBookmarkKeys, settings.FavouritesSize, report);
  settings.FavouritesSize = bookmarks.limit;
  ctx_.set_bookmarks(bookmarks.entries);

  settings.SaveWin = file.ReadBool("Form", "Swin", settings.SaveWin);
  if (create && settings.SaveWin) {
    ctx_.restore_layout(ReadWindowLayout(file, Desktop(), ctx_.layout(), settings, report));
  }
  ini_created_ = file.ReadString("init", "created", "not found");
  ini_modified_ = file.ReadString("init", "modified", "not found");

  SettingsTargets targets{settings, ctx_.state, ctx_.criteria, ctx_.paths};
  const auto between = [&](int stage) {
    if (stage == 1 && settings.SaveHist) {
      const NumberedList history =
          ReadNumberedList(file, kScanHistoryKeys, settings.HistorySize, report);
      settings.HistorySize = history.limit;
      if (history.current) ctx_.host.SetScanText(*history.current);
      ctx_.history.Assign(history.entries);
      ctx_.list_scan_history();
    } else if (stage == 2 && settings.SaveAddr) {
      const NumberedList addresses =
          ReadNumberedList(file, kAddressKeys, settings.AddressSize, report);
      settings.AddressSize = addresses.limit;
      ctx_.restore_addresses(addresses.entries, addresses.current.value_or(ctx_.address_text()));
    }
  };
  ReadSettingsKeys(file, targets, between, report);
  ShowAutoScan(settings.tempAutoScan);
  ctx_.items.SetSorted(ctx_.state.SortOutput != ItemOrder::kArrival);
  ctx_.log.AddLogLine("Config=" + path);
}

void SettingsCommands::WriteAtClose() {
  const std::string& ini = ctx_.paths.IniName;
  if (ctx_.skip_ini || !FileExists(ini)) return;
  // The file is read as it stands now and written back once, whole, with these keys changed.
  ProfileFile file(ini);
  const ClosingValues values{ctx_.layout(), Lists(), ctx_.drive_mount(), ctx_.host.TreeDirectory()};
  const std::vector<std::string> done = WriteClosingKeys(file, ctx_.settings, values);
  if (const FileResult saved = file.Save()) {
    for (const std::string& line : done) ctx_.log.AddLogLine(line);
  } else {
    const std::string text = WithReason("Cannot access: " + ini, saved.Error());
    ctx_.log.AddLogLine(text);
    ctx_.prompter.ShowMessage(MessageKind::kError, text);
  }
}

void SettingsCommands::ShowAutoScan(bool on) {
  if (!ctx_.state.ScanToFile) ctx_.show_auto_scan(on);
}

RememberedLists SettingsCommands::Lists() const {
  return {ctx_.bookmarks(), ctx_.criteria.scan_text, ctx_.history.Entries(), ctx_.address_text(),
          ctx_.addresses()};
}

std::string SettingsCommands::Stamp() const {
  return FormatDateTimeOmitMidnight(ctx_.clock.Now(), ctx_.locale);
}

}  // namespace krellix
