#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <string>

#include "settings/config_values.h"

class QLineEdit;
class QTabWidget;

namespace krellix {

class Prompter;

// What the configuration dialog asks of the program. The main window fills these in; every
// member must be set before the dialog is shown.
struct ConfigurationCommands {
  // The program's values, to fill the controls from (every showing, and after "Load .ini file").
  std::function<ConfigValues()> current;
  // Applies the dialog's values (ActivateSettings); false when it stopped at an invalid number.
  std::function<bool(const ConfigValues&)> apply;
  // The steps of "Save" after applying: the "disabled" or "not found" message, or writing the
  // settings file with these dialog values.
  std::function<void(const ConfigValues&)> save;
  // Writes the settings to `file` (SaveSettings) with these dialog values, without applying.
  std::function<void(const std::string& file, const ConfigValues&)> save_to;
  // The program's side of the three "Clear" buttons (log line, settings file keys, lists).
  std::function<void()> clear_scan_history;
  std::function<void()> clear_addresses;
  std::function<void()> clear_bookmarks;
  // "Create .Ini-file": creates the file and its stamp; true when the file then exists, after
  // which the dialog applies itself and runs the "Save" steps.
  std::function<bool()> create_ini;
  // "Delete .Ini-file" and "Backup .Ini file", whole (questions and messages included).
  std::function<void()> delete_ini;
  std::function<void()> backup_ini;
  // "Load .ini file" once a file is chosen.
  std::function<void(const std::string& file)> load_ini;
  // The settings file's name, its state ("Created: ", "Modified: "), for the "Advanced" tab.
  std::function<std::string()> ini_name;
  std::function<std::string()> ini_created;
  std::function<std::string()> ini_modified;
  // An activity log line ("Restore default configuration").
  std::function<void(const std::string& line)> log;
  // The printer font that "Font" presets and replaces (it lasts until the program ends).
  std::function<FontFace()> printer_font;
  std::function<void(const FontFace&)> set_printer_font;
};

// The configuration dialog, "Krellix - Configuration": seven tabs of preferences and the
// settings file's maintenance buttons. It works on a copy: showing it fills the controls from
// the program; "OK" and "Save" apply them back; "Cancel" drops them. The "Clear" buttons, "Font"
// and the file buttons of the "Advanced" tab act at once.
class ConfigurationDialog : public QDialog {
  Q_OBJECT

 public:
  ConfigurationDialog(ConfigurationCommands commands, Prompter& prompter, bool scan_to_file,
                      QWidget* parent = nullptr);
  ~ConfigurationDialog() override;

  // FormActivate: fills every control from the program's current values and shows the
  // settings file's stamps. exec() calls it too.
  void FormActivate();
  int exec() override;

  // Fills the controls from `v` (".CSV settings" last, so its rule runs when its state
  // changes) and copies them back into `v` (members without a control are left alone).
  void Load(const ConfigValues& v);
  void Store(ConfigValues& v) const;

  // The buttons below the tabs.
  void OkClicked();
  void SaveClicked();
  void ResetClicked();

  static constexpr int kHelpTopic = 2040;

 signals:
  // "&Help" was pressed, with the help topic of this dialog.
  void helpRequested(int topic);

 private:
  struct BytesField;

  // The "Entries" fields refuse to be left empty.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void RefuseEmpty(QLineEdit* field);
  // Refuses the first empty "Entries" field, if any; true when it did.
  bool RefuseEmptyEntries();
  void ShowIniState();
  void PickFolder(BytesField& field);
  void FontClicked();
  void CreateIniClicked();
  void SaveIniClicked();
  void LoadIniClicked();

  ConfigurationCommands commands_;
  Prompter& prompter_;
  bool scan_to_file_;
  QTabWidget* tabs_ = nullptr;
  // The controls, declared in configuration_controls.h.
  struct Controls;
  std::unique_ptr<Controls> c_;
};

}  // namespace krellix
