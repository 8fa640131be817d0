// Object names of the controls, for the program and its tests to find them:
//   tabs          Tabs
//   "Select"      ScanBox, LogicOr, LogicAnd, LogicNot, ComboComp, ComboSort, Append, SubDirs,
//                 IgnoreCase, InclDirNames, ExclFilenames, AnyFile, Normal, System, Hidden,
//                 ReadOnly, Archive, VolumeId, UsePath, UseName, UseExt, MinUnit, MaxUnit
//   "Scan"        ItemLimit, StopIntvl, AutoScan, ResetScanString, RetrieveVolumename,
//                 ScanIncList, CustOpt1 ... CustOpt5
//   "View"        ShowProgress, ShowHints, ShowRename, SysTray, ShowPreview, PreviewRenameFile,
//                 SaveWin, SkipIntro
//   "Output"      OutputSep, SaveName, Header2, SaveCSV, Quotes, Titles, Headers, Statistics,
//                 GluePath, OutFileAppend, OutFileReplace, OutFilePrompt, Font, PrintReport,
//                 PrintList, ListVolume, ListPath, ListSize, ListDate, ListScan,
//                 SortF, SortP, SortS, SortD, SortNone
//   "Misc"        ConfirmDeleteFile, ConfirmRenameFile, ConfirmAttribFile, ConfirmPurgeFile,
//                 ConfirmDeleteDirectory, ConfirmRenameDirectory, SaveFileList, SaveIncList,
//                 SaveExcList, LogSave, SaveDir, RememberRename, SaveFav, FavouritesSize,
//                 ClearBookmarks, SaveAddr, AddressSize, ClearAddress, TrackHist, SaveHist,
//                 HistorySize, ClearScan
//   "Advanced"    IniName, IniCreated, IniModified, DefaultDir, DefaultDirBrowse, OpenWithDir,
//                 OpenWithDirBrowse, CreateIni, DeleteIni, BackupIni, SaveIni, LoadIni
//   buttons       HelpButton, CancelButton, OkButton, ResetButton, SaveButton
#include "settings/configuration_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <array>

#include "output/csv_settings_rule.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "settings/configuration_controls.h"
#include "widgets/qt_font.h"

namespace krellix {

namespace {

constexpr const char* kEntriesRefused = "Invalid input value.  Use escape key to abandon changes";

QString Q(const char* text) { return QString::fromUtf8(text); }

// Checks `button` alone in `group`; none when it is null. An exclusive group cannot uncheck
// its last button, so exclusiveness is lifted meanwhile.
void CheckOnly(QButtonGroup* group, QAbstractButton* button) {
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(b == button);
  group->setExclusive(true);
}

// An "Entries" count from its field; an empty field leaves the count as it was.
void StoreCount(const QLineEdit* field, int& count) {
  bool ok = false;
  const int n = field->text().toInt(&ok);
  if (ok) count = n;
}

// A chosen settings file name, with the extension ".ini" when it has none.
std::string WithIniExtension(std::string name) {
  if (NamePart(name).find('.') == std::string::npos) name += ".ini";
  return name;
}

}  // namespace

ConfigurationDialog::ConfigurationDialog(ConfigurationCommands commands, Prompter& prompter,
                                         bool scan_to_file, QWidget* parent)
    : QDialog(parent),
      commands_(std::move(commands)),
      prompter_(prompter),
      scan_to_file_(scan_to_file),
      c_(std::make_unique<Controls>()) {
  setWindowTitle(QStringLiteral("Krellix - Configuration"));
  tabs_ = c_->Build(this);

  if (scan_to_file_) {
    c_->auto_scan->setEnabled(false);
    for (QRadioButton* r : c_->sort_choices) r->setEnabled(false);
  }
  for (QLineEdit* field : c_->Entries()) field->installEventFilter(this);

  Controls& c = *c_;
  for (QPushButton* unit : {c.min_unit, c.max_unit}) {
    connect(unit, &QPushButton::clicked, this,
            [unit] { unit->setText(Q(unit->text() == Q(kKbytes) ? kBytes : kKbytes)); });
  }
  connect(c.save_csv, &QCheckBox::toggled, this, [&c](bool checked) {
    ApplyCsvSettingsRule({c.quotes, c.titles, c.headers, c.statistics, c.output_sep,
                          [&c] { return c.save_name.Get(); },
                          [&c](std::string name) { c.save_name.Set(std::move(name)); }},
                         checked);
  });
  connect(c.font, &QPushButton::clicked, this, [this] { FontClicked(); });
  connect(c.default_dir_browse, &QPushButton::clicked, this,
          [this, &c] { PickFolder(c.default_dir); });
  connect(c.open_with_dir_browse, &QPushButton::clicked, this,
          [this, &c] { PickFolder(c.open_with_dir); });
  connect(c.clear_scan, &QPushButton::clicked, this, [this, &c] {
    const QString text = c.scan_box->currentText();
    c.scan_box->clear();
    c.scan_box->setEditText(text);
    commands_.clear_scan_history();
  });
  connect(c.clear_address, &QPushButton::clicked, this, [this] { commands_.clear_addresses(); });
  connect(c.clear_bookmarks, &QPushButton::clicked, this, [this] { commands_.clear_bookmarks(); });
  connect(c.create_ini, &QPushButton::clicked, this, [this] { CreateIniClicked(); });
  connect(c.delete_ini, &QPushButton::clicked, this, [this] { commands_.delete_ini(); });
  connect(c.backup_ini, &QPushButton::clicked, this, [this] { commands_.backup_ini(); });
  connect(c.save_ini, &QPushButton::clicked, this, [this] { SaveIniClicked(); });
  connect(c.load_ini, &QPushButton::clicked, this, [this] { LoadIniClicked(); });
  connect(c.help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpTopic); });
  connect(c.cancel, &QPushButton::clicked, this, [this] { reject(); });
  connect(c.ok, &QPushButton::clicked, this, [this] { OkClicked(); });
  connect(c.reset, &QPushButton::clicked, this, [this] { ResetClicked(); });
  connect(c.save, &QPushButton::clicked, this, [this] { SaveClicked(); });
}

ConfigurationDialog::~ConfigurationDialog() = default;

void ConfigurationDialog::FormActivate() {
  const ConfigValues v = commands_.current();
  Load(v);
  ShowIniState();
  for (const auto& [widget, hint] : c_->switched_hints) {
    widget->setToolTip(v.app.ShowHints ? hint : QString());
  }
}

int ConfigurationDialog::exec() {
  FormActivate();
  return QDialog::exec();
}

void ConfigurationDialog::Load(const ConfigValues& v) {
  Controls& c = *c_;
  ConfigValues in = v;
  for (const Controls::CheckBinding& b : c.checks) b.box->setChecked(b.member(in));

  c.scan_box->clear();
  for (const std::string& entry : v.scan_list) c.scan_box->addItem(ToQt(entry));
  c.scan_box->setEditText(ToQt(v.scan_text));
  // The choices stand in the order of ScanLogic.
  CheckOnly(c.logic, c.logic_choices[static_cast<std::size_t>(v.criteria.logic)]);
  c.min_unit->setText(Q(v.criteria.min.kbytes ? kKbytes : kBytes));
  c.max_unit->setText(Q(v.criteria.max.kbytes ? kKbytes : kBytes));

  c.item_limit->setText(ToQt(v.item_limit));
  c.stop_intvl->setText(ToQt(v.stop_intvl));
  for (std::size_t i = 0; i < c.cust_opt.size(); ++i) {
    c.cust_opt[i]->setText(ToQt(v.app.CustOpt[i]));
  }

  const OutputOptions& o = v.app.output;
  c.separator.Show(c.output_sep, o.OutputSep);
  c.save_name.Set(o.SaveName);
  c.header2->setText(ToQt(o.Header2));
  // At most one is set; should more be, prompting wins, as in the "Save as..." dialog.
  CheckOnly(c.existing, o.OutFilePrompt    ? c.out_prompt
                        : o.OutFileAppend  ? c.out_append
                        : o.OutFileReplace ? c.out_replace
                                           : nullptr);
  CheckOnly(c.print, v.app.PrintReport ? c.print_report : v.app.PrintList ? c.print_list : nullptr);
  QRadioButton* sort_choice = nullptr;
  for (std::size_t i = 0; i < Controls::kSortOrders.size(); ++i) {
    if (Controls::kSortOrders[i] == v.scan.SortOutput) sort_choice = c.sort_choices[i];
  }
  CheckOnly(c.sort, sort_choice);

  c.favourites_size->setText(QString::number(v.app.FavouritesSize));
  c.address_size->setText(QString::number(v.app.AddressSize));
  c.history_size->setText(QString::number(v.app.HistorySize));

  c.default_dir.Set(v.paths.DefaultDir);
  c.open_with_dir.Set(v.paths.OpenWithDir);

  // Last, so that a change of its state runs the rule on the controls filled above.
  c.save_csv->setChecked(o.SaveCSV);
}

void ConfigurationDialog::Store(ConfigValues& v) const {
  const Controls& c = *c_;
  for (const Controls::CheckBinding& b : c.checks) b.member(v) = b.box->isChecked();

  v.scan_text = FromQt(c.scan_box->currentText());
  v.scan_list.clear();
  for (int i = 0; i < c.scan_box->count(); ++i) {
    v.scan_list.push_back(FromQt(c.scan_box->itemText(i)));
  }
  for (std::size_t i = 0; i < c.logic_choices.size(); ++i) {
    if (c.logic_choices[i]->isChecked()) v.criteria.logic = static_cast<ScanLogic>(i);
  }
  v.criteria.min.kbytes = c.min_unit->text() == Q(kKbytes);
  v.criteria.max.kbytes = c.max_unit->text() == Q(kKbytes);

  v.item_limit = FromQt(c.item_limit->text());
  v.stop_intvl = FromQt(c.stop_intvl->text());
  for (std::size_t i = 0; i < c.cust_opt.size(); ++i) {
    v.app.CustOpt[i] = FromQt(c.cust_opt[i]->text());
  }

  OutputOptions& o = v.app.output;
  o.OutputSep = c.separator.Separator(c.output_sep);
  o.SaveName = c.save_name.Get();
  o.Header2 = FromQt(c.header2->text());
  o.SaveCSV = c.save_csv->isChecked();
  o.OutFileAppend = c.out_append->isChecked();
  o.OutFileReplace = c.out_replace->isChecked();
  o.OutFilePrompt = c.out_prompt->isChecked();
  v.app.PrintReport = c.print_report->isChecked();
  v.app.PrintList = c.print_list->isChecked();
  for (std::size_t i = 0; i < Controls::kSortOrders.size(); ++i) {
    if (c.sort_choices[i]->isChecked()) v.scan.SortOutput = Controls::kSortOrders[i];
  }

  StoreCount(c.favourites_size, v.app.FavouritesSize);
  StoreCount(c.address_size, v.app.AddressSize);
  StoreCount(c.history_size, v.app.HistorySize);

  v.paths.DefaultDir = c.default_dir.Get();
  v.paths.OpenWithDir = c.open_with_dir.Get();
}

void ConfigurationDialog::OkClicked() {
  if (RefuseEmptyEntries()) return;
  ConfigValues v = commands_.current();
  Store(v);
  if (commands_.apply(v)) accept();
}

void ConfigurationDialog::SaveClicked() {
  if (RefuseEmptyEntries()) return;
  ConfigValues v = commands_.current();
  Store(v);
  if (!commands_.apply(v)) return;
  commands_.save(v);
  accept();
}

void ConfigurationDialog::ResetClicked() {
  ConfigValues v = commands_.current();
  Store(v);
  ResetConfigValues(v, scan_to_file_);
  Load(v);
  commands_.log("Restore default configuration");
}

bool ConfigurationDialog::eventFilter(QObject* watched, QEvent* event) {
  const std::array<QLineEdit*, 3> entries = c_->Entries();
  const auto field_of = std::find(entries.begin(), entries.end(), watched);
  if (event->type() == QEvent::FocusOut && field_of != entries.end()) {
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // Leaving the window or opening a menu is not leaving the field.
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
      QLineEdit* field = *field_of;
      // After the focus change has finished; by then Esc may have closed the dialog.
      QTimer::singleShot(0, field, [this, field] {
        if (isVisible() && field->text().isEmpty() && !field->hasFocus()) RefuseEmpty(field);
      });
    }
  }
  return QDialog::eventFilter(watched, event);
}

void ConfigurationDialog::RefuseEmpty(QLineEdit* field) {
  prompter_.ShowMessage(MessageKind::kError, kEntriesRefused);
  // The field may lie on a tab that is not shown ("OK" pressed on another tab); a hidden
  // field cannot take the focus.
  for (int i = 0; i < tabs_->count(); ++i) {
    if (tabs_->widget(i)->isAncestorOf(field)) tabs_->setCurrentIndex(i);
  }
  field->setFocus(Qt::OtherFocusReason);
}

bool ConfigurationDialog::RefuseEmptyEntries() {
  for (QLineEdit* field : c_->Entries()) {
    if (field->text().isEmpty()) {
      RefuseEmpty(field);
      return true;
    }
  }
  return false;
}

void ConfigurationDialog::ShowIniState() {
  c_->ini_name->setText(PathToQt(commands_.ini_name()));
  c_->created->setText(ToQt("Created: " + commands_.ini_created()));
  c_->modified->setText(ToQt("Modified: " + commands_.ini_modified()));
}

void ConfigurationDialog::PickFolder(BytesField& field) {
  const std::string current = field.Get();
  const std::optional<std::string> chosen =
      prompter_.PickDirectory("", DirectoryExists(current) ? current : "");
  if (!chosen) return;
  const std::string folder = WithTrailingDelim(*chosen);
  field.Set(folder);
  if (field.Get() != folder) {
    prompter_.ShowMessage(MessageKind::kError, "Path not accessible: " + folder);
  }
}

void ConfigurationDialog::FontClicked() {
  const FontFace current = commands_.printer_font();
  bool ok = false;
  const QFont chosen =
      QFontDialog::getFont(&ok, ToQFont(current), this, QString(), QFontDialog::ScalableFonts);
  if (ok) commands_.set_printer_font(FromQFont(chosen, current));
}

void ConfigurationDialog::CreateIniClicked() {
  if (!commands_.create_ini()) return;
  c_->created->setText(ToQt("Created: " + commands_.ini_created()));
  if (!RefuseEmptyEntries()) {
    ConfigValues v = commands_.current();
    Store(v);
    if (commands_.apply(v)) commands_.save(v);
  }
  c_->modified->setText(ToQt("Modified: " + commands_.ini_modified()));
  prompter_.ShowMessage(MessageKind::kInformation, commands_.ini_name() + " - created");
}

void ConfigurationDialog::SaveIniClicked() {
  if (RefuseEmptyEntries()) return;
  const std::optional<std::string> chosen = prompter_.PickSaveFile(
      "Save .ini file", commands_.ini_name(), ".ini files|*.ini|All files |*.*", true);
  if (!chosen) return;
  ConfigValues v = commands_.current();
  Store(v);
  commands_.save_to(WithIniExtension(*chosen), v);
}

void ConfigurationDialog::LoadIniClicked() {
  const std::optional<std::string> chosen =
      prompter_.PickOpenFile("Load .ini file", "", ".ini files|*.ini|All files|*.*");
  if (!chosen) return;
  commands_.load_ini(WithIniExtension(*chosen));
  FormActivate();
}

}  // namespace krellix
