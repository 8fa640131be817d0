#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/configuration_controls.h"

namespace krellix {

namespace {

using V = ConfigValues;

QString Q(const char* text) { return QString::fromUtf8(text); }

QGroupBox* Group(QWidget* parent, const char* title) { return new QGroupBox(Q(title), parent); }

template <typename List>
QVBoxLayout* Column(const List& widgets) {
  auto* column = new QVBoxLayout;
  for (QWidget* w : widgets) column->addWidget(w);
  column->addStretch();
  return column;
}

// `widgets` in a grid of `rows` rows, filled column by column.
QGridLayout* Grid(const std::vector<QWidget*>& widgets, int rows) {
  auto* grid = new QGridLayout;
  for (int i = 0; i < int(widgets.size()); ++i) grid->addWidget(widgets[i], i % rows, i / rows);
  return grid;
}

}  // namespace

template <typename W>
W* ConfigurationDialog::Controls::Named(W* w, const char* name, const char* hint, bool switched) {
  w->setObjectName(Q(name));
  if (hint != nullptr) {
    w->setToolTip(Q(hint));
    if (switched) switched_hints.emplace_back(w, Q(hint));
  }
  return w;
}

std::vector<QCheckBox*> ConfigurationDialog::Controls::Checks(
    QWidget* parent, std::initializer_list<CheckRow> rows) {
  std::vector<QCheckBox*> boxes;
  for (const CheckRow& row : rows) {
    auto* box = Named(new QCheckBox(Q(row.caption), parent), row.name, row.hint, row.switched);
    if (row.member != nullptr) checks.push_back({box, row.member});
    boxes.push_back(box);
  }
  return boxes;
}

QRadioButton* ConfigurationDialog::Controls::Radio(QWidget* parent, const char* caption,
                                                   const char* name, QButtonGroup* group) {
  auto* radio = Named(new QRadioButton(Q(caption), parent), name);
  group->addButton(radio);
  return radio;
}

QPushButton* ConfigurationDialog::Controls::Button(QWidget* parent, const char* caption,
                                                   const char* name, const char* hint,
                                                   bool switched) {
  auto* button = Named(new QPushButton(Q(caption), parent), name, hint, switched);
  button->setAutoDefault(false);
  return button;
}

QLineEdit* ConfigurationDialog::Controls::Edit(QWidget* parent, const char* name, const char* hint,
                                               bool switched) {
  return Named(new QLineEdit(parent), name, hint, switched);
}

// A history group of the "Misc" tab: its check boxes, "Entries" with its field, and "Clear".
QLineEdit* ConfigurationDialog::Controls::EntriesField(QGroupBox* group, const char* name,
                                                       QPushButton* clear,
                                                       std::initializer_list<CheckRow> rows) {
  QLineEdit* field = Edit(group, name);
  // One or two digits; the dialog refuses to let the field be left empty.
  field->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,2}")), field));
  auto* layout = new QGridLayout(group);
  int row = 0;
  for (QCheckBox* box : Checks(group, rows)) layout->addWidget(box, row++, 0, 1, 2);
  layout->addWidget(new QLabel(Q("Entries"), group), row, 0);
  layout->addWidget(field, row, 1);
  layout->addWidget(clear, row + 1, 0, 1, 2);
  return field;
}

QWidget* ConfigurationDialog::Controls::SelectTab(QWidget* owner) {
  auto* tab = new QWidget(owner);

  auto* scan = Group(tab, " scan ");
  scan_box = Named(new QComboBox(scan), "ScanBox", "Enter / select filename or mask", true);
  scan_box->setEditable(true);
  scan_box->setInsertPolicy(QComboBox::NoInsert);
  logic = new QButtonGroup(tab);
  logic_choices = {Radio(scan, "Or", "LogicOr", logic), Radio(scan, "And", "LogicAnd", logic),
                   Radio(scan, "Not", "LogicNot", logic)};
  auto* logic_row = new QHBoxLayout;
  for (QRadioButton* r : logic_choices) logic_row->addWidget(r);
  logic_row->addStretch();
  const std::vector<QCheckBox*> options = Checks(
      scan,
      {{"Autocomplete", "ComboComp", [](V& v) -> bool& { return v.app.ComboComp; },
        "Select to auto complete search strings", true},
       {"Sort", "ComboSort", [](V& v) -> bool& { return v.app.ComboSort; },
        "Select to sort search strings", true},
       {"Append results", "Append", [](V& v) -> bool& { return v.criteria.append; }},
       {"Sub-directories", "SubDirs", [](V& v) -> bool& { return v.criteria.sub_dirs; }},
       {"Ignore case", "IgnoreCase", [](V& v) -> bool& { return v.criteria.ignore_case; },
        "Use case-insensitive Scan string "},
       {"Dir. entries", "InclDirNames", [](V& v) -> bool& { return v.criteria.incl_dir_names; },
        "Include directory entries in Scan results "},
       {"Dir. only", "ExclFilenames", [](V& v) -> bool& { return v.criteria.excl_filenames; },
        "Skip filenames, only scan directories names "}});
  auto* scan_layout = new QVBoxLayout(scan);
  scan_layout->addWidget(scan_box);
  scan_layout->addLayout(logic_row);
  scan_layout->addLayout(Grid({options.begin(), options.end()}, 4));

  auto* attributes = Group(tab, " attributes ");
  attributes->setLayout(Column(Checks(
      attributes, {{"Any file", "AnyFile", [](V& v) -> bool& { return v.criteria.any_file; }},
                   {"Normal ", "Normal", [](V& v) -> bool& { return v.criteria.normal; }},
                   {"System", "System", [](V& v) -> bool& { return v.criteria.system; }},
                   {"Hidden", "Hidden", [](V& v) -> bool& { return v.criteria.hidden; }},
                   {"Read only", "ReadOnly", [](V& v) -> bool& { return v.criteria.read_only; }},
                   {"Archive", "Archive", [](V& v) -> bool& { return v.criteria.archive; }},
                   {"VolumeID", "VolumeId", [](V& v) -> bool& { return v.criteria.volume_id; }}})));

  auto* file = Group(tab, " file ");
  file->setLayout(Column(Checks(
      file, {{"File path", "UsePath", [](V& v) -> bool& { return v.criteria.use_path; }},
             {"File name", "UseName", [](V& v) -> bool& { return v.criteria.use_name; }},
             {"File extension", "UseExt", [](V& v) -> bool& { return v.criteria.use_ext; }}})));

  auto* size = Group(tab, " size ");
  min_unit = Button(size, kKbytes, "MinUnit", "Switch between bytes and Kbytes", true);
  max_unit = Button(size, kKbytes, "MaxUnit", "Switch between bytes and Kbytes", true);
  auto* size_layout = new QFormLayout(size);
  size_layout->addRow(Q("min.size"), min_unit);
  size_layout->addRow(Q("max. size"), max_unit);

  auto* lower = new QHBoxLayout;
  for (QGroupBox* g : {attributes, file, size}) lower->addWidget(g, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(scan);
  layout->addLayout(lower);
  layout->addStretch();
  return tab;
}

QWidget* ConfigurationDialog::Controls::ScanTab(QWidget* owner) {
  auto* tab = new QWidget(owner);
  item_limit = Edit(tab, "ItemLimit", "Max. number of items in item list", true);
  stop_intvl = Edit(tab, "StopIntvl", "Check Stop interval count", true);
  auto* numbers = new QFormLayout;
  numbers->addRow(Q("Item Limit"), item_limit);
  numbers->addRow(Q("Stop Intvl."), stop_intvl);

  const std::vector<QCheckBox*> options =
      Checks(tab, {{"AutoScan", "AutoScan", [](V& v) -> bool& { return v.scan.AutoScan; }},
                   {"Reset scan string with Dir *.*", "ResetScanString",
                    [](V& v) -> bool& { return v.scan.ResetScanString; }},
                   {"Retrieve Volume name", "RetrieveVolumename",
                    [](V& v) -> bool& { return v.scan.RetrieveVolumename; }},
                   {"Include List when scanning Tree ", "ScanIncList",
                    [](V& v) -> bool& { return v.scan.ScanIncList; }}});
  auto_scan = options.front();

  auto* custom_text = new QLabel(
      Q("The following custom strings can be selected at right-click of the [SCAN] button: "), tab);
  custom_text->setWordWrap(true);
  auto* custom = new QFormLayout;
  for (std::size_t i = 0; i < cust_opt.size(); ++i) {
    const std::string n = std::to_string(i + 1);
    cust_opt[i] = Edit(tab, ("CustOpt" + n).c_str());
    custom->addRow(ToQt("Custom scan string " + n + ":"), cust_opt[i]);
  }

  auto* top = new QHBoxLayout;
  top->addLayout(numbers);
  top->addLayout(Column(options));
  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(top);
  layout->addWidget(custom_text);
  layout->addLayout(custom);
  layout->addStretch();
  return tab;
}

QWidget* ConfigurationDialog::Controls::ViewTab(QWidget* owner) {
  auto* tab = new QWidget(owner);
  tab->setLayout(Column(Checks(
      tab,
      {{"Progess", "ShowProgress", [](V& v) -> bool& { return v.scan.ShowProgress; }},
       {"Hints", "ShowHints", [](V& v) -> bool& { return v.app.ShowHints; }},
       {"Display Rename pane", "ShowRename", [](V& v) -> bool& { return v.app.ShowRename; },
        "Show / hide Rename pane", true},
       {"Minimize to system tray", "SysTray", [](V& v) -> bool& { return v.app.SysTray; },
        "Minimize to system tray instead of taskbar", true},
       {"Display Preview pane ", "ShowPreview", [](V& v) -> bool& { return v.app.ShowPreview; },
        "View Images, Sound and Text files", true},
       {"Preview before Renaming files ", "PreviewRenameFile",
        [](V& v) -> bool& { return v.app.confirm.preview_rename_file; }},
       {"Save Position and Size", "SaveWin", [](V& v) -> bool& { return v.app.SaveWin; }},
       {"Skip audio intro ", "SkipIntro", [](V& v) -> bool& { return v.app.SkipIntro; }}})));
  return tab;
}

QWidget* ConfigurationDialog::Controls::OutputTab(QWidget* owner) {
  auto* tab = new QWidget(owner);

  auto* file = Group(tab, " File ");
  output_sep =
      Named(new QComboBox(file), "OutputSep", "Separator character between output fields ", true);
  output_sep->setEditable(true);
  output_sep->setInsertPolicy(QComboBox::NoInsert);
  DelimiterBox::AddEntries(output_sep);
  save_name.edit = Edit(file, "SaveName", "Default filename to save output", true);
  header2 = Edit(file, "Header2", "Enter user header text", true);
  auto* fields = new QFormLayout;
  fields->addRow(Q("Output Delimiter"), output_sep);
  fields->addRow(Q("Output file: "), save_name.edit);
  fields->addRow(Q("Output header: "), header2);
  // ".CSV settings" has no binding: it is loaded after the boxes it governs.
  const std::vector<QCheckBox*> options = Checks(
      file,
      {{".CSV settings", "SaveCSV", nullptr},
       {"Quoted strings", "Quotes", [](V& v) -> bool& { return v.app.output.Quotes; }},
       {"Title columns", "Titles", [](V& v) -> bool& { return v.app.output.Titles; }},
       {"Include Header", "Headers", [](V& v) -> bool& { return v.app.output.Headers; }},
       {"Include Statistics", "Statistics", [](V& v) -> bool& { return v.app.output.Statistics; }},
       {"Glue Path\\Filename", "GluePath", [](V& v) -> bool& { return v.app.output.GluePath; }}});
  save_csv = options[0];
  quotes = options[1];
  titles = options[2];
  headers = options[3];
  statistics = options[4];
  existing = new QButtonGroup(tab);
  out_append = Radio(file, "Append", "OutFileAppend", existing);
  out_replace = Radio(file, "Replace", "OutFileReplace", existing);
  out_prompt = Radio(file, "Prompt", "OutFilePrompt", existing);
  auto* existing_row = new QHBoxLayout;
  for (QRadioButton* r : {out_append, out_replace, out_prompt}) existing_row->addWidget(r);
  existing_row->addStretch();
  auto* file_layout = new QVBoxLayout(file);
  file_layout->addLayout(fields);
  file_layout->addLayout(Grid({options.begin(), options.end()}, 3));
  file_layout->addLayout(existing_row);

  auto* printing = Group(tab, " Print ");
  font = Button(printing, "Font", "Font", "Change printer font", true);
  print = new QButtonGroup(tab);
  print_report = Radio(printing, "Report", "PrintReport", print);
  print_list = Radio(printing, "List", "PrintList", print);
  printing->setLayout(Column(std::array<QWidget*, 3>{font, print_report, print_list}));

  auto* output = Group(tab, " Output ");
  output->setLayout(Column(Checks(
      output,
      {{"Include Volume", "ListVolume", [](V& v) -> bool& { return v.app.output.ListVolume; }},
       {"Include Pathname", "ListPath", [](V& v) -> bool& { return v.app.output.ListPath; }},
       {"Include FileSize", "ListSize", [](V& v) -> bool& { return v.app.output.ListSize; }},
       {"Include FileDate", "ListDate", [](V& v) -> bool& { return v.app.output.ListDate; }},
       {"Include Scan string", "ListScan", [](V& v) -> bool& { return v.app.output.ListScan; }}})));

  auto* items = Group(tab, " Item List ");
  sort = new QButtonGroup(tab);
  sort_choices = {
      Radio(items, "Sort Filename", "SortF", sort), Radio(items, "Sort Pathname", "SortP", sort),
      Radio(items, "Sort FileSize", "SortS", sort), Radio(items, "Sort FileDate", "SortD", sort),
      Radio(items, "NOT sorted", "SortNone", sort)};
  items->setLayout(Column(sort_choices));

  auto* lower = new QHBoxLayout;
  for (QGroupBox* g : {printing, output, items}) lower->addWidget(g);
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(file);
  layout->addLayout(lower);
  layout->addStretch();
  return tab;
}

QWidget* ConfigurationDialog::Controls::MiscTab(QWidget* owner) {
  auto* tab = new QWidget(owner);
  const std::vector<QCheckBox*> confirmations =
      Checks(tab, {{"Confirm Delete file", "ConfirmDeleteFile",
                    [](V& v) -> bool& { return v.app.confirm.delete_file; }},
                   {"Confirm Rename file", "ConfirmRenameFile",
                    [](V& v) -> bool& { return v.app.confirm.rename_file; }},
                   {"Confirm Attrib file", "ConfirmAttribFile",
                    [](V& v) -> bool& { return v.app.confirm.attrib_file; }},
                   {"Confirm Purge file", "ConfirmPurgeFile",
                    [](V& v) -> bool& { return v.app.confirm.purge_file; }},
                   {"Confirm Delete directory", "ConfirmDeleteDirectory",
                    [](V& v) -> bool& { return v.app.confirm.delete_directory; }},
                   {"Confirm Rename directory", "ConfirmRenameDirectory",
                    [](V& v) -> bool& { return v.app.confirm.rename_directory; }}});
  const std::vector<QCheckBox*> saving = Checks(
      tab, {{"Save File list", "SaveFileList", [](V& v) -> bool& { return v.app.SaveFileList; }},
            {"Save Include list", "SaveIncList", [](V& v) -> bool& { return v.app.SaveIncList; }},
            {"Save Exclude list", "SaveExcList", [](V& v) -> bool& { return v.app.SaveExcList; },
             "Save excludelist entries in .ini file", true},
            {"Save Logfile", "LogSave", [](V& v) -> bool& { return v.app.LogSave; }},
            {"Save Most Recently Used Directory", "SaveDir",
             [](V& v) -> bool& { return v.app.SaveDir; }},
            {"Remember Rename parameters ", "RememberRename",
             [](V& v) -> bool& { return v.app.RememberRename; }}});

  auto* bookmarks = Group(tab, " Bookmarks ");
  clear_bookmarks = Button(bookmarks, "Clear", "ClearBookmarks", "Clear bookmark history", true);
  favourites_size =
      EntriesField(bookmarks, "FavouritesSize", clear_bookmarks,
                   {{"Save bookmarks", "SaveFav", [](V& v) -> bool& { return v.app.SaveFav; }}});
  auto* address = Group(tab, " Address ");
  clear_address = Button(address, "Clear", "ClearAddress", "Clear address history");
  address_size =
      EntriesField(address, "AddressSize", clear_address,
                   {{"Save addresses", "SaveAddr", [](V& v) -> bool& { return v.app.SaveAddr; }}});
  auto* scan = Group(tab, " Scan ");
  clear_scan = Button(scan, "Clear", "ClearScan", "Clear search history", true);
  history_size =
      EntriesField(scan, "HistorySize", clear_scan,
                   {{"Track history", "TrackHist", [](V& v) -> bool& { return v.scan.TrackHist; }},
                    {"Save history", "SaveHist", [](V& v) -> bool& { return v.app.SaveHist; }}});

  auto* top = new QHBoxLayout;
  top->addLayout(Column(confirmations));
  top->addLayout(Column(saving));
  auto* groups = new QHBoxLayout;
  for (QGroupBox* g : {bookmarks, address, scan}) groups->addWidget(g, 0, Qt::AlignTop);
  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(top);
  layout->addLayout(groups);
  layout->addStretch();
  return tab;
}

QWidget* ConfigurationDialog::Controls::AdvancedTab(QWidget* owner) {
  auto* tab = new QWidget(owner);
  ini_name = Edit(tab, "IniName");
  ini_name->setReadOnly(true);
  created = Named(new QLabel(tab), "IniCreated");
  modified = Named(new QLabel(tab), "IniModified");
  default_dir.edit = Edit(tab, "DefaultDir", "Default directory in directory list", true);
  default_dir_browse = Button(tab, "...", "DefaultDirBrowse");
  open_with_dir.edit = Edit(tab, "OpenWithDir", "Program directory used for Open with...", true);
  open_with_dir_browse = Button(tab, "...", "OpenWithDirBrowse");
  const auto with_button = [](QLineEdit* field, QPushButton* button) {
    auto* row = new QHBoxLayout;
    row->addWidget(field, 1);
    row->addWidget(button);
    return row;
  };
  auto* fields = new QFormLayout;
  fields->addRow(Q(".ini file: "), ini_name);
  fields->addRow(created);
  fields->addRow(modified);
  fields->addRow(Q("Default directory: "), with_button(default_dir.edit, default_dir_browse));
  fields->addRow(Q("Directory for Open with..."),
                 with_button(open_with_dir.edit, open_with_dir_browse));

  create_ini = Button(tab, "Create .Ini-file", "CreateIni", "Create a new .ini file", true);
  delete_ini = Button(tab, "Delete .Ini-file", "DeleteIni", "Delete current .ini file", true);
  backup_ini = Button(tab, "Backup .Ini file", "BackupIni", "Create a copy of current .ini file");
  save_ini = Button(tab, "Save .ini file", "SaveIni");
  load_ini = Button(tab, "Load .ini file", "LoadIni");

  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(fields);
  layout->addLayout(Grid({create_ini, delete_ini, backup_ini, save_ini, load_ini}, 2));
  layout->addStretch();
  return tab;
}

QHBoxLayout* ConfigurationDialog::Controls::ButtonRow(QWidget* owner) {
  help = Button(owner, "&Help", "HelpButton");
  cancel = Button(owner, "Cancel", "CancelButton", "Cancel configuration changes", true);
  ok = Button(owner, "OK", "OkButton",
              "Apply configuration changes (changes are NOT saved to .ini file)", true);
  ok->setDefault(true);
  reset = Button(owner, "Reset", "ResetButton", "Reset to defaults", true);
  save = Button(owner, "Save", "SaveButton", "Apply and Save configuration to .ini file", true);
  auto* row = new QHBoxLayout;
  row->addWidget(help);
  row->addStretch();
  for (QPushButton* b : {cancel, ok, reset, save}) row->addWidget(b);
  return row;
}

QTabWidget* ConfigurationDialog::Controls::Build(QDialog* dialog) {
  auto* tabs = new QTabWidget(dialog);
  tabs->setObjectName(QStringLiteral("Tabs"));
  tabs->setToolTip(QStringLiteral("Select configuration options"));
  tabs->addTab(SelectTab(tabs), QStringLiteral("Select"));
  tabs->addTab(ScanTab(tabs), QStringLiteral("Scan"));
  tabs->addTab(ViewTab(tabs), QStringLiteral("View"));
  tabs->addTab(OutputTab(tabs), QStringLiteral("Output"));
  tabs->addTab(MiscTab(tabs), QStringLiteral("Misc"));
  tabs->addTab(AdvancedTab(tabs), QStringLiteral("Advanced"));
  tabs->addTab(new QWidget(tabs), QStringLiteral("F1..F12"));
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(tabs);
  layout->addLayout(ButtonRow(dialog));
  return tabs;
}

}  // namespace krellix
