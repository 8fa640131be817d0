#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/scripted_prompter.h"
#include "settings/configuration_dialog.h"

namespace krellix {
namespace {

using V = ConfigValues;

// The program side of the dialog: values to show, and a record of every command.
struct FakeProgram {
  ConfigValues current;
  bool apply_result = true;
  bool create_result = true;
  std::vector<std::string> calls;
  std::optional<ConfigValues> applied, saved, saved_to;
  std::string saved_to_file, loaded_file, log_line;

  ConfigurationCommands Commands() {
    ConfigurationCommands c;
    c.current = [this] { return current; };
    c.apply = [this](const ConfigValues& v) {
      calls.push_back("apply");
      applied = v;
      return apply_result;
    };
    c.save = [this](const ConfigValues& v) {
      calls.push_back("save");
      saved = v;
    };
    c.save_to = [this](const std::string& file, const ConfigValues& v) {
      calls.push_back("save_to");
      saved_to_file = file;
      saved_to = v;
    };
    c.clear_scan_history = [this] { calls.push_back("clear_scan_history"); };
    c.clear_addresses = [this] { calls.push_back("clear_addresses"); };
    c.clear_bookmarks = [this] { calls.push_back("clear_bookmarks"); };
    c.create_ini = [this] {
      calls.push_back("create_ini");
      return create_result;
    };
    c.delete_ini = [this] { calls.push_back("delete_ini"); };
    c.backup_ini = [this] { calls.push_back("backup_ini"); };
    c.load_ini = [this](const std::string& file) {
      calls.push_back("load_ini");
      loaded_file = file;
    };
    c.ini_name = [] { return std::string("/cfg/krellix.ini"); };
    c.ini_created = [this] { return "created#" + std::to_string(calls.size()); };
    c.ini_modified = [this] { return "modified#" + std::to_string(calls.size()); };
    c.log = [this](const std::string& line) {
      calls.push_back("log");
      log_line = line;
    };
    c.printer_font = [] { return FontFace{}; };
    c.set_printer_font = [this](const FontFace&) { calls.push_back("set_printer_font"); };
    return c;
  }
};

template <typename T>
T* Child(QObject& dialog, const char* name) {
  T* child = dialog.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) qFatal("no control %s", name);
  return child;
}

std::string B(bool b) { return b ? "1" : "0"; }

// Every member the dialog has a control for, as text, in a fixed order. Radio groups count as
// one entry, since only one of their members can differ from the defaults at a time.
std::vector<std::pair<std::string, std::string>> MappedMembers(const ConfigValues& v) {
  const AppSettings& a = v.app;
  const OutputOptions& o = a.output;
  const ConfirmOptions& k = a.confirm;
  const SelectionCriteria& c = v.criteria;
  const ScanState& s = v.scan;
  std::string list;
  for (const std::string& e : v.scan_list) list += e + "|";
  std::vector<std::pair<std::string, std::string>> m = {
      {"any_file", B(c.any_file)},
      {"normal", B(c.normal)},
      {"system", B(c.system)},
      {"hidden", B(c.hidden)},
      {"read_only", B(c.read_only)},
      {"archive", B(c.archive)},
      {"volume_id", B(c.volume_id)},
      {"incl_dir_names", B(c.incl_dir_names)},
      {"excl_filenames", B(c.excl_filenames)},
      {"use_path", B(c.use_path)},
      {"use_name", B(c.use_name)},
      {"use_ext", B(c.use_ext)},
      {"sub_dirs", B(c.sub_dirs)},
      {"ignore_case", B(c.ignore_case)},
      {"append", B(c.append)},
      {"logic", std::to_string(int(c.logic))},
      {"min.kbytes", B(c.min.kbytes)},
      {"max.kbytes", B(c.max.kbytes)},
      {"AutoScan", B(s.AutoScan)},
      {"ResetScanString", B(s.ResetScanString)},
      {"RetrieveVolumename", B(s.RetrieveVolumename)},
      {"ScanIncList", B(s.ScanIncList)},
      {"ShowProgress", B(s.ShowProgress)},
      {"TrackHist", B(s.TrackHist)},
      {"SortOutput", std::string(1, LetterOf(s.SortOutput))},
      {"item_limit", v.item_limit},
      {"stop_intvl", v.stop_intvl},
      {"scan_text", v.scan_text},
      {"scan_list", list},
      {"ComboComp", B(a.ComboComp)},
      {"ComboSort", B(a.ComboSort)},
      {"ShowHints", B(a.ShowHints)},
      {"ShowRename", B(a.ShowRename)},
      {"SysTray", B(a.SysTray)},
      {"ShowPreview", B(a.ShowPreview)},
      {"SaveWin", B(a.SaveWin)},
      {"SkipIntro", B(a.SkipIntro)},
      {"confirm.delete_file", B(k.delete_file)},
      {"confirm.rename_file", B(k.rename_file)},
      {"confirm.attrib_file", B(k.attrib_file)},
      {"confirm.purge_file", B(k.purge_file)},
      {"confirm.delete_directory", B(k.delete_directory)},
      {"confirm.rename_directory", B(k.rename_directory)},
      {"confirm.preview_rename_file", B(k.preview_rename_file)},
      {"SaveFileList", B(a.SaveFileList)},
      {"SaveIncList", B(a.SaveIncList)},
      {"SaveExcList", B(a.SaveExcList)},
      {"LogSave", B(a.LogSave)},
      {"SaveDir", B(a.SaveDir)},
      {"RememberRename", B(a.RememberRename)},
      {"SaveFav", B(a.SaveFav)},
      {"FavouritesSize", std::to_string(a.FavouritesSize)},
      {"SaveAddr", B(a.SaveAddr)},
      {"AddressSize", std::to_string(a.AddressSize)},
      {"SaveHist", B(a.SaveHist)},
      {"HistorySize", std::to_string(a.HistorySize)},
      {"Print", B(a.PrintReport) + B(a.PrintList)},
      {"OutputSep", o.OutputSep},
      {"SaveName", o.SaveName},
      {"Header2", o.Header2},
      {"SaveCSV", B(o.SaveCSV)},
      {"Quotes", B(o.Quotes)},
      {"Titles", B(o.Titles)},
      {"Headers", B(o.Headers)},
      {"Statistics", B(o.Statistics)},
      {"GluePath", B(o.GluePath)},
      {"OutFile", B(o.OutFileAppend) + B(o.OutFileReplace) + B(o.OutFilePrompt)},
      {"ListVolume", B(o.ListVolume)},
      {"ListPath", B(o.ListPath)},
      {"ListSize", B(o.ListSize)},
      {"ListDate", B(o.ListDate)},
      {"ListScan", B(o.ListScan)},
      {"DefaultDir", v.paths.DefaultDir},
      {"OpenWithDir", v.paths.OpenWithDir}};
  for (int i = 0; i < 5; ++i) m.emplace_back("CustOpt" + std::to_string(i), a.CustOpt[i]);
  return m;
}

// Values that differ from the defaults in every mapped member.
ConfigValues Distinct() {
  ConfigValues v;
  SelectionCriteria& c = v.criteria;
  for (bool* b :
       {&c.any_file, &c.normal, &c.system, &c.hidden, &c.read_only, &c.archive, &c.volume_id,
        &c.incl_dir_names, &c.excl_filenames, &c.use_path, &c.use_name, &c.use_ext, &c.sub_dirs,
        &c.ignore_case, &c.append, &c.min.kbytes, &c.max.kbytes}) {
    *b = !*b;
  }
  c.logic = ScanLogic::kNot;
  ScanState& s = v.scan;
  for (bool* b : {&s.AutoScan, &s.ResetScanString, &s.RetrieveVolumename, &s.ScanIncList,
                  &s.ShowProgress, &s.TrackHist}) {
    *b = !*b;
  }
  s.SortOutput = ItemOrder::kDate;
  v.item_limit = "123";
  v.stop_intvl = "45";
  v.scan_text = "*.c";
  v.scan_list = {"*.h", "*.txt *.md", " "};
  AppSettings& a = v.app;
  ConfirmOptions& k = a.confirm;
  OutputOptions& o = a.output;
  for (bool* b : {&a.ComboComp,        &a.ComboSort,        &a.ShowHints,
                  &a.ShowRename,       &a.SysTray,          &a.ShowPreview,
                  &a.SaveWin,          &a.SkipIntro,        &k.delete_file,
                  &k.rename_file,      &k.attrib_file,      &k.purge_file,
                  &k.delete_directory, &k.rename_directory, &k.preview_rename_file,
                  &a.SaveFileList,     &a.SaveIncList,      &a.SaveExcList,
                  &a.LogSave,          &a.SaveDir,          &a.RememberRename,
                  &a.SaveFav,          &a.SaveAddr,         &a.SaveHist,
                  &o.SaveCSV,          &o.Quotes,           &o.Titles,
                  &o.Headers,          &o.Statistics,       &o.GluePath,
                  &o.ListVolume,       &o.ListPath,         &o.ListSize,
                  &o.ListDate,         &o.ListScan}) {
    *b = !*b;
  }
  a.FavouritesSize = 5;
  a.AddressSize = 6;
  a.HistorySize = 7;
  a.PrintReport = false;
  a.PrintList = true;
  o.OutFilePrompt = false;
  o.OutFileReplace = true;
  o.OutputSep = ";";
  o.SaveName = "/out/\xFF\xFE.csv";  // not UTF-8: must come back byte for byte
  o.Header2 = "my header";
  v.paths.DefaultDir = "/home/\xE9t\xE9/";
  v.paths.OpenWithDir = "/opt/bin/";
  a.CustOpt = {"one", "two", "three", "four", "five"};
  return v;
}

// Every check box bound to a member, with its object name and caption.
struct CheckRow {
  const char* name;
  const char* caption;
  bool& (*member)(ConfigValues&);
};
const CheckRow kCheckRows[] = {
    {"ComboComp", "Autocomplete", [](V& v) -> bool& { return v.app.ComboComp; }},
    {"ComboSort", "Sort", [](V& v) -> bool& { return v.app.ComboSort; }},
    {"Append", "Append results", [](V& v) -> bool& { return v.criteria.append; }},
    {"SubDirs", "Sub-directories", [](V& v) -> bool& { return v.criteria.sub_dirs; }},
    {"IgnoreCase", "Ignore case", [](V& v) -> bool& { return v.criteria.ignore_case; }},
    {"InclDirNames", "Dir. entries", [](V& v) -> bool& { return v.criteria.incl_dir_names; }},
    {"ExclFilenames", "Dir. only", [](V& v) -> bool& { return v.criteria.excl_filenames; }},
    {"AnyFile", "Any file", [](V& v) -> bool& { return v.criteria.any_file; }},
    {"Normal", "Normal ", [](V& v) -> bool& { return v.criteria.normal; }},
    {"System", "System", [](V& v) -> bool& { return v.criteria.system; }},
    {"Hidden", "Hidden", [](V& v) -> bool& { return v.criteria.hidden; }},
    {"ReadOnly", "Read only", [](V& v) -> bool& { return v.criteria.read_only; }},
    {"Archive", "Archive", [](V& v) -> bool& { return v.criteria.archive; }},
    {"VolumeId", "VolumeID", [](V& v) -> bool& { return v.criteria.volume_id; }},
    {"UsePath", "File path", [](V& v) -> bool& { return v.criteria.use_path; }},
    {"UseName", "File name", [](V& v) -> bool& { return v.criteria.use_name; }},
    {"UseExt", "File extension", [](V& v) -> bool& { return v.criteria.use_ext; }},
    {"AutoScan", "AutoScan", [](V& v) -> bool& { return v.scan.AutoScan; }},
    {"ResetScanString", "Reset scan string with Dir *.*",
     [](V& v) -> bool& { return v.scan.ResetScanString; }},
    {"RetrieveVolumename", "Retrieve Volume name",
     [](V& v) -> bool& { return v.scan.RetrieveVolumename; }},
    {"ScanIncList", "Include List when scanning Tree ",
     [](V& v) -> bool& { return v.scan.ScanIncList; }},
    {"ShowProgress", "Progess", [](V& v) -> bool& { return v.scan.ShowProgress; }},
    {"ShowHints", "Hints", [](V& v) -> bool& { return v.app.ShowHints; }},
    {"ShowRename", "Display Rename pane", [](V& v) -> bool& { return v.app.ShowRename; }},
    {"SysTray", "Minimize to system tray", [](V& v) -> bool& { return v.app.SysTray; }},
    {"ShowPreview", "Display Preview pane ", [](V& v) -> bool& { return v.app.ShowPreview; }},
    {"PreviewRenameFile", "Preview before Renaming files ",
     [](V& v) -> bool& { return v.app.confirm.preview_rename_file; }},
    {"SaveWin", "Save Position and Size", [](V& v) -> bool& { return v.app.SaveWin; }},
    {"SkipIntro", "Skip audio intro ", [](V& v) -> bool& { return v.app.SkipIntro; }},
    {"Quotes", "Quoted strings", [](V& v) -> bool& { return v.app.output.Quotes; }},
    {"Titles", "Title columns", [](V& v) -> bool& { return v.app.output.Titles; }},
    {"Headers", "Include Header", [](V& v) -> bool& { return v.app.output.Headers; }},
    {"Statistics", "Include Statistics", [](V& v) -> bool& { return v.app.output.Statistics; }},
    {"GluePath", "Glue Path\\Filename", [](V& v) -> bool& { return v.app.output.GluePath; }},
    {"ListVolume", "Include Volume", [](V& v) -> bool& { return v.app.output.ListVolume; }},
    {"ListPath", "Include Pathname", [](V& v) -> bool& { return v.app.output.ListPath; }},
    {"ListSize", "Include FileSize", [](V& v) -> bool& { return v.app.output.ListSize; }},
    {"ListDate", "Include FileDate", [](V& v) -> bool& { return v.app.output.ListDate; }},
    {"ListScan", "Include Scan string", [](V& v) -> bool& { return v.app.output.ListScan; }},
    {"ConfirmDeleteFile", "Confirm Delete file",
     [](V& v) -> bool& { return v.app.confirm.delete_file; }},
    {"ConfirmRenameFile", "Confirm Rename file",
     [](V& v) -> bool& { return v.app.confirm.rename_file; }},
    {"ConfirmAttribFile", "Confirm Attrib file",
     [](V& v) -> bool& { return v.app.confirm.attrib_file; }},
    {"ConfirmPurgeFile", "Confirm Purge file",
     [](V& v) -> bool& { return v.app.confirm.purge_file; }},
    {"ConfirmDeleteDirectory", "Confirm Delete directory",
     [](V& v) -> bool& { return v.app.confirm.delete_directory; }},
    {"ConfirmRenameDirectory", "Confirm Rename directory",
     [](V& v) -> bool& { return v.app.confirm.rename_directory; }},
    {"SaveFileList", "Save File list", [](V& v) -> bool& { return v.app.SaveFileList; }},
    {"SaveIncList", "Save Include list", [](V& v) -> bool& { return v.app.SaveIncList; }},
    {"SaveExcList", "Save Exclude list", [](V& v) -> bool& { return v.app.SaveExcList; }},
    {"LogSave", "Save Logfile", [](V& v) -> bool& { return v.app.LogSave; }},
    {"SaveDir", "Save Most Recently Used Directory", [](V& v) -> bool& { return v.app.SaveDir; }},
    {"RememberRename", "Remember Rename parameters ",
     [](V& v) -> bool& { return v.app.RememberRename; }},
    {"SaveFav", "Save bookmarks", [](V& v) -> bool& { return v.app.SaveFav; }},
    {"SaveAddr", "Save addresses", [](V& v) -> bool& { return v.app.SaveAddr; }},
    {"TrackHist", "Track history", [](V& v) -> bool& { return v.scan.TrackHist; }},
    {"SaveHist", "Save history", [](V& v) -> bool& { return v.app.SaveHist; }},
};

// Every radio button, with its caption and how the values select it.
struct RadioRow {
  const char* name;
  const char* caption;
  void (*select)(ConfigValues&);
};
const RadioRow kRadioRows[] = {
    {"LogicOr", "Or", [](V& v) { v.criteria.logic = ScanLogic::kOr; }},
    {"LogicAnd", "And", [](V& v) { v.criteria.logic = ScanLogic::kAnd; }},
    {"LogicNot", "Not", [](V& v) { v.criteria.logic = ScanLogic::kNot; }},
    {"SortF", "Sort Filename", [](V& v) { v.scan.SortOutput = ItemOrder::kFile; }},
    {"SortP", "Sort Pathname", [](V& v) { v.scan.SortOutput = ItemOrder::kPath; }},
    {"SortS", "Sort FileSize", [](V& v) { v.scan.SortOutput = ItemOrder::kSize; }},
    {"SortD", "Sort FileDate", [](V& v) { v.scan.SortOutput = ItemOrder::kDate; }},
    {"SortNone", "NOT sorted", [](V& v) { v.scan.SortOutput = ItemOrder::kArrival; }},
    {"PrintReport", "Report",
     [](V& v) {
       v.app.PrintReport = true;
       v.app.PrintList = false;
     }},
    {"PrintList", "List",
     [](V& v) {
       v.app.PrintReport = false;
       v.app.PrintList = true;
     }},
    {"OutFilePrompt", "Prompt", [](V& v) { v.app.output = OutputOptions{}; }},
    {"OutFileAppend", "Append",
     [](V& v) {
       v.app.output.OutFilePrompt = false;
       v.app.output.OutFileAppend = true;
     }},
    {"OutFileReplace", "Replace",
     [](V& v) {
       v.app.output.OutFilePrompt = false;
       v.app.output.OutFileReplace = true;
     }},
};

std::set<QString> CheckedBoxes(QObject& dialog) {
  std::set<QString> names;
  for (auto* box : dialog.findChildren<QAbstractButton*>()) {
    if (box->isChecked()) names.insert(box->objectName());
  }
  return names;
}

}  // namespace

class ConfigurationDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void loadThenStoreKeepsEveryMappedMember() {
    FakeProgram program;
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    const ConfigValues distinct = Distinct();
    const auto expected = MappedMembers(distinct);
    const auto defaults = MappedMembers(ConfigValues{});
    for (std::size_t i = 0; i < expected.size(); ++i) {
      QVERIFY2(expected[i].second != defaults[i].second, expected[i].first.c_str());
    }
    // ".CSV settings" checked before, so loading leaves its rule alone.
    ConfigValues csv;
    csv.app.output.SaveCSV = true;
    dialog.Load(csv);
    dialog.Load(distinct);
    ConfigValues stored;
    dialog.Store(stored);
    const auto got = MappedMembers(stored);
    for (std::size_t i = 0; i < expected.size(); ++i) {
      QVERIFY2(got[i] == expected[i], (expected[i].first + " = " + got[i].second).c_str());
    }
  }

  // One member at a time: exactly its own control changes, and that control has its caption.
  void eachControlShowsItsOwnMember() {
    FakeProgram program;
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    // Every check box but ".CSV settings" is in the table.
    QCOMPARE(dialog.findChildren<QCheckBox*>().size(), qsizetype(std::size(kCheckRows) + 1));
    const ConfigValues base;
    for (const CheckRow& row : kCheckRows) {
      dialog.Load(base);
      const std::set<QString> before = CheckedBoxes(dialog);
      ConfigValues flipped = base;
      row.member(flipped) = !row.member(flipped);
      dialog.Load(flipped);
      std::set<QString> changed;
      const std::set<QString> after = CheckedBoxes(dialog);
      std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                    std::inserter(changed, changed.end()));
      QVERIFY2(changed == std::set<QString>{QString::fromLatin1(row.name)}, row.name);
      QCOMPARE(Child<QCheckBox>(dialog, row.name)->text(), QString::fromUtf8(row.caption));
    }
    for (const RadioRow& row : kRadioRows) {
      ConfigValues v = base;
      row.select(v);
      dialog.Load(v);
      QVERIFY2(Child<QRadioButton>(dialog, row.name)->isChecked(), row.name);
      QCOMPARE(Child<QRadioButton>(dialog, row.name)->text(), QString::fromUtf8(row.caption));
    }
  }

  void csvRuleRunsWhenLoadingChangesTheBox() {
    FakeProgram program;
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    ConfigValues v;
    v.app.output.SaveName = "/out/list.txt";
    v.app.output.OutputSep = ";";
    v.app.output.Headers = false;
    const auto stored = [&dialog] {
      ConfigValues out;
      dialog.Store(out);
      return out.app.output;
    };

    dialog.Load(v);  // unchecked, as the box was: no rule
    OutputOptions o = stored();
    QCOMPARE(o.OutputSep, std::string(";"));
    QVERIFY(!o.Headers && Child<QCheckBox>(dialog, "Headers")->isEnabled());

    v.app.output.SaveCSV = true;  // the box becomes checked: the rule runs
    dialog.Load(v);
    o = stored();
    QCOMPARE(o.SaveName, std::string("/out/list.csv"));
    QCOMPARE(o.OutputSep, std::string("\t"));
    QVERIFY(o.Quotes && o.Titles && !o.Headers && !o.Statistics);
    QVERIFY(!Child<QCheckBox>(dialog, "Quotes")->isEnabled());

    v.app.output.Headers = true;  // checked again: no rule, the values as given
    dialog.Load(v);
    o = stored();
    QCOMPARE(o.SaveName, std::string("/out/list.txt"));
    QCOMPARE(o.OutputSep, std::string(";"));
    QVERIFY(!o.Quotes && !o.Titles && o.Headers && o.Statistics);

    Child<QCheckBox>(dialog, "SaveCSV")->click();  // a click runs it too
    o = stored();
    QVERIFY(!o.Quotes && !o.Titles && o.Headers && o.Statistics && !o.SaveCSV);
    QVERIFY(Child<QCheckBox>(dialog, "Quotes")->isEnabled());
  }

  void closingButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("apply_result");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("OK applies and closes") << "OkButton" << true << QStringList{"apply"} << true;
    QTest::newRow("OK stays when apply stops")
        << "OkButton" << false << QStringList{"apply"} << false;
    QTest::newRow("Save applies, saves, closes")
        << "SaveButton" << true << QStringList{"apply", "save"} << true;
    QTest::newRow("Save stays when apply stops")
        << "SaveButton" << false << QStringList{"apply"} << false;
    QTest::newRow("Cancel drops") << "CancelButton" << true << QStringList{} << false;
  }

  void closingButtons() {
    QFETCH(QString, button);
    QFETCH(bool, apply_result);
    QFETCH(QStringList, calls);
    QFETCH(bool, accepted);
    FakeProgram program;
    program.apply_result = apply_result;
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    dialog.FormActivate();
    dialog.open();
    program.calls.clear();
    Child<QLineEdit>(dialog, "ItemLimit")->setText("250");
    Child<QPushButton>(dialog, button.toLatin1().constData())->click();

    QStringList got;
    for (const std::string& c : program.calls) got << QString::fromStdString(c);
    QCOMPARE(got, calls);
    QCOMPARE(dialog.isVisible(), !accepted && button != "CancelButton");
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    if (program.applied) QCOMPARE(program.applied->item_limit, std::string("250"));
    if (program.saved) QCOMPARE(program.saved->item_limit, std::string("250"));
  }

  void resetFillsTheResetValuesAndLogs_data() {
    QTest::addColumn<bool>("scan_to_file");
    QTest::addColumn<QString>("sort_choice");
    QTest::newRow("normal run") << false << "SortP";
    QTest::newRow("scan to file") << true << "SortNone";
  }

  void resetFillsTheResetValuesAndLogs() {
    QFETCH(bool, scan_to_file);
    QFETCH(QString, sort_choice);
    FakeProgram program;
    program.current = Distinct();
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, scan_to_file);
    dialog.FormActivate();
    ConfigValues expected = program.current;
    ResetConfigValues(expected, scan_to_file);

    Child<QPushButton>(dialog, "ResetButton")->click();
    QCOMPARE(program.calls, std::vector<std::string>{"log"});
    QCOMPARE(program.log_line, std::string("Restore default configuration"));
    QVERIFY(Child<QRadioButton>(dialog, sort_choice.toLatin1().constData())->isChecked());
    QCOMPARE(Child<QLineEdit>(dialog, "ItemLimit")->text(), QStringLiteral("10000"));
    ConfigValues stored;
    dialog.Store(stored);
    QVERIFY(MappedMembers(stored) == MappedMembers(expected));
  }

  void saveIniFileWritesTheDialogValuesUnapplied_data() {
    QTest::addColumn<QString>("pick");
    QTest::addColumn<QString>("file");  // empty: nothing written
    QTest::newRow("no extension") << "/tmp/other"
                                  << "/tmp/other.ini";
    QTest::newRow("own extension") << "/tmp/other.cfg"
                                   << "/tmp/other.cfg";
    QTest::newRow("dot in a folder only") << "/tmp/a.d/other"
                                          << "/tmp/a.d/other.ini";
    QTest::newRow("cancelled") << ""
                               << "";
  }

  void saveIniFileWritesTheDialogValuesUnapplied() {
    QFETCH(QString, pick);
    QFETCH(QString, file);
    FakeProgram program;
    ScriptedPrompter prompter;
    prompter.picks.push_back(pick.toStdString());
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    dialog.FormActivate();
    dialog.open();
    Child<QLineEdit>(dialog, "Header2")->setText("edited");
    Child<QPushButton>(dialog, "SaveIni")->click();

    QVERIFY(dialog.isVisible());
    QCOMPARE(program.saved_to_file, file.toStdString());
    QVERIFY(!program.applied);
    if (!file.isEmpty()) QCOMPARE(program.saved_to->app.output.Header2, std::string("edited"));
  }

  void entriesFieldsRefuseToBeLeftEmpty_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    for (const char* name : {"HistorySize", "AddressSize", "FavouritesSize"}) {
      QTest::addRow("%s empty", name) << name << "" << true;
      QTest::addRow("%s one digit", name) << name << "0" << false;
    }
  }

  void entriesFieldsRefuseToBeLeftEmpty() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(bool, refused);
    FakeProgram program;
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    dialog.FormActivate();
    dialog.show();
    auto* entries = Child<QLineEdit>(dialog, field.toLatin1().constData());
    entries->setText(text);
    Child<QPushButton>(dialog, "HelpButton")->setFocus();
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(entries, &leave);
    QCoreApplication::processEvents();

    const std::size_t shown = refused ? 1 : 0;
    QCOMPARE(prompter.messages.size(), shown);
    if (refused) {
      QCOMPARE(prompter.messages[0].text,
               std::string("Invalid input value.  Use escape key to abandon changes"));
      QCOMPARE(dialog.focusWidget(), entries);
    }
    // "OK" refuses the same way and applies nothing.
    Child<QPushButton>(dialog, "OkButton")->click();
    QCOMPARE(prompter.messages.size(), 2 * shown);
    QCOMPARE(program.applied.has_value(), !refused);
  }

  void entriesFieldsTakeOneOrTwoDigits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::newRow("one digit") << "7" << int(QValidator::Acceptable);
    QTest::newRow("two digits") << "99" << int(QValidator::Acceptable);
    QTest::newRow("three digits") << "100" << int(QValidator::Invalid);
    QTest::newRow("letter") << "a" << int(QValidator::Invalid);
    QTest::newRow("sign") << "-1" << int(QValidator::Invalid);
    QTest::newRow("empty, only while typing") << "" << int(QValidator::Intermediate);
  }

  void entriesFieldsTakeOneOrTwoDigits() {
    QFETCH(QString, text);
    QFETCH(int, state);
    FakeProgram program;
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    for (const char* name : {"HistorySize", "AddressSize", "FavouritesSize"}) {
      const QValidator* validator = Child<QLineEdit>(dialog, name)->validator();
      QVERIFY(validator != nullptr);
      int pos = 0;
      QCOMPARE(int(validator->validate(text, pos)), state);
    }
  }

  void scanToFileDisablesAutoScanAndSorting_data() {
    QTest::addColumn<bool>("scan_to_file");
    QTest::newRow("normal run") << false;
    QTest::newRow("scan to file") << true;
  }

  void scanToFileDisablesAutoScanAndSorting() {
    QFETCH(bool, scan_to_file);
    FakeProgram program;
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, scan_to_file);
    for (const char* name : {"AutoScan", "SortF", "SortP", "SortS", "SortD", "SortNone"}) {
      QVERIFY2(Child<QAbstractButton>(dialog, name)->isEnabled() == !scan_to_file, name);
    }
    QVERIFY(Child<QCheckBox>(dialog, "ResetScanString")->isEnabled());
    QVERIFY(Child<QRadioButton>(dialog, "PrintList")->isEnabled());
  }

  void unitButtonsToggleTheirCaption() {
    FakeProgram program;
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    dialog.Load(ConfigValues{});
    auto* min_unit = Child<QPushButton>(dialog, "MinUnit");
    auto* max_unit = Child<QPushButton>(dialog, "MaxUnit");
    QCOMPARE(min_unit->text(), QStringLiteral("Kbytes"));
    min_unit->click();
    QCOMPARE(min_unit->text(), QStringLiteral("bytes"));
    QCOMPARE(max_unit->text(), QStringLiteral("Kbytes"));
    ConfigValues v;
    dialog.Store(v);
    QVERIFY(!v.criteria.min.kbytes && v.criteria.max.kbytes);
    min_unit->click();
    QCOMPARE(min_unit->text(), QStringLiteral("Kbytes"));
    QVERIFY(program.calls.empty());
  }

  void showingFillsTheFileStateAndSwitchesHints_data() {
    QTest::addColumn<bool>("hints");
    QTest::newRow("hints on") << true;
    QTest::newRow("hints off") << false;
  }

  void showingFillsTheFileStateAndSwitchesHints() {
    QFETCH(bool, hints);
    FakeProgram program;
    program.current.app.ShowHints = hints;
    ScriptedPrompter prompter;
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    dialog.FormActivate();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Krellix - Configuration"));
    QCOMPARE(Child<QLineEdit>(dialog, "IniName")->text(), QStringLiteral("/cfg/krellix.ini"));
    QCOMPARE(Child<QLabel>(dialog, "IniCreated")->text(), QStringLiteral("Created: created#0"));
    QCOMPARE(Child<QLabel>(dialog, "IniModified")->text(), QStringLiteral("Modified: modified#0"));
    const std::pair<const char*, const char*> switched[] = {
        {"OkButton", "Apply configuration changes (changes are NOT saved to .ini file)"},
        {"ScanBox", "Enter / select filename or mask"},
        {"SaveExcList", "Save excludelist entries in .ini file"},
        {"ClearBookmarks", "Clear bookmark history"},
    };
    for (const auto& [name, hint] : switched) {
      QCOMPARE(Child<QWidget>(dialog, name)->toolTip(),
               hints ? QString::fromUtf8(hint) : QString());
    }
    // Not among those "Hints" switches.
    QCOMPARE(Child<QWidget>(dialog, "ClearAddress")->toolTip(),
             QStringLiteral("Clear address history"));
  }

  void buttonsThatActAtOnce() {
    FakeProgram program;
    program.current.scan_text = "*.txt";
    program.current.scan_list = {"*.a", "*.b"};
    ScriptedPrompter prompter;
    prompter.picks = {"/srv/folder", "/tmp/other"};
    ConfigurationDialog dialog(program.Commands(), prompter, false);
    QObject::connect(&dialog, &ConfigurationDialog::helpRequested, [&program](int topic) {
      program.calls.push_back("help " + std::to_string(topic));
    });
    dialog.FormActivate();
    dialog.open();
    const auto step = [&](const char* button) {
      program.calls.clear();
      Child<QPushButton>(dialog, button)->click();
      return program.calls;
    };
    using Calls = std::vector<std::string>;

    QCOMPARE(step("ClearScan"), Calls{"clear_scan_history"});
    auto* scan_box = Child<QComboBox>(dialog, "ScanBox");
    QCOMPARE(scan_box->count(), 0);
    QCOMPARE(scan_box->currentText(), QStringLiteral("*.txt"));
    QCOMPARE(step("ClearAddress"), Calls{"clear_addresses"});
    QCOMPARE(step("ClearBookmarks"), Calls{"clear_bookmarks"});
    QCOMPARE(step("DeleteIni"), Calls{"delete_ini"});
    QCOMPARE(step("BackupIni"), Calls{"backup_ini"});
    QCOMPARE(step("HelpButton"), Calls{"help 2040"});

    QCOMPARE(step("DefaultDirBrowse"), Calls{});
    QCOMPARE(Child<QLineEdit>(dialog, "DefaultDir")->text(), QStringLiteral("/srv/folder/"));

    QCOMPARE(step("CreateIni"), Calls({"create_ini", "apply", "save"}));
    QCOMPARE(program.saved->scan_list, std::vector<std::string>{});
    QCOMPARE(program.saved->paths.DefaultDir, std::string("/srv/folder/"));
    QCOMPARE(Child<QLabel>(dialog, "IniCreated")->text(), QStringLiteral("Created: created#1"));
    QCOMPARE(Child<QLabel>(dialog, "IniModified")->text(), QStringLiteral("Modified: modified#3"));
    program.create_result = false;
    QCOMPARE(step("CreateIni"), Calls{"create_ini"});

    program.current.app.output.Header2 = "from the loaded file";
    QCOMPARE(step("LoadIni"), Calls{"load_ini"});
    QCOMPARE(program.loaded_file, std::string("/tmp/other.ini"));
    QCOMPARE(Child<QLineEdit>(dialog, "Header2")->text(), QStringLiteral("from the loaded file"));
    QVERIFY(dialog.isVisible());
  }
};

}  // namespace krellix

QTEST_MAIN(krellix::ConfigurationDialogTest)
#include "configuration_dialog_qtest.moc"
