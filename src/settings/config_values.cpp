#include "settings/config_values.h"

#include <algorithm>
#include <optional>

#include "platform/file_system.h"
#include "platform/number_text.h"

namespace krellix {
namespace {

bool ValidInteger(const std::string& text, int& target, ConfigTargets& t) {
  // The number fields take an optional sign and decimal digits, nothing else.
  const std::optional<int> value = ParseSignedDecimal<int>(text);
  if (!value) {
    if (t.show_error) t.show_error("''" + text + "'' is not a valid integer value");
    return false;
  }
  target = *value;
  return true;
}

}  // namespace

void ResetConfigValues(ConfigValues& v, bool scan_to_file) {
  OutputOptions& o = v.app.output;
  o.ListPath = o.ListSize = o.ListDate = o.ListVolume = true;
  o.ListScan = false;
  v.criteria.use_path = false;
  v.criteria.use_name = v.criteria.use_ext = true;
  v.scan.ShowProgress = true;
  v.app.ShowPreview = true;
  v.app.ShowHints = v.app.ShowRename = v.app.SysTray = false;
  v.scan.AutoScan = false;
  v.scan.ResetScanString = false;
  v.app.confirm = ConfirmOptions();
  v.criteria.sub_dirs = v.criteria.ignore_case = true;
  SelectionCriteria& c = v.criteria;
  c.any_file = c.normal = c.system = c.hidden = c.read_only = c.archive = true;
  c.incl_dir_names = c.volume_id = false;
  v.app.ComboComp = v.app.ComboSort = true;
  v.app.SaveWin = true;
  v.app.SaveHist = v.app.LogSave = v.app.RememberRename = false;
  v.scan.TrackHist = true;
  v.app.SaveFav = v.app.SaveAddr = v.app.SaveIncList = v.app.SaveExcList = true;
  v.app.SaveFileList = true;
  c.append = false;
  v.app.SkipIntro = false;
  v.scan.ScanIncList = false;
  o.GluePath = true;
  v.scan.RetrieveVolumename = true;
  v.app.PrintReport = true;
  v.app.PrintList = false;
  c.logic = ScanLogic::kOr;
  v.scan.SortOutput = scan_to_file ? ItemOrder::kArrival : ItemOrder::kPath;
  o.OutFilePrompt = true;
  o.OutFileAppend = o.OutFileReplace = false;
  o.Quotes = o.Titles = false;
  o.Headers = o.Statistics = true;
  v.paths.DefaultDir = std::string(1, kPathDelim);
  v.item_limit = "10000";
  v.stop_intvl = "1000";
  o.Header2 = "- ";
  v.app.AddressSize = v.app.HistorySize = v.app.FavouritesSize = 17;
  o.OutputSep = "\t";
  v.scan_text = "*.*";
  v.scan_list = {"*.*",
                 "*.bat *.inf *.ini *.log *.txt",
                 "*.c *.cpp *.java *.pas",
                 "*.htm* *.php*",
                 "*.bmp *.gif *.jpg *.png *.tif*",
                 "*.mp3 *.ra *.wav",
                 "*.avi *.mpg",
                 "*.com *.dll *.exe",
                 " ",
                 " "};
}

bool ApplyConfigValues(const ConfigValues& v, ConfigTargets& t) {
  // 1. Check boxes and choices.
  SelectionCriteria& c = t.criteria;
  const SelectionCriteria& vc = v.criteria;
  c.logic = vc.logic;
  c.append = vc.append;
  c.sub_dirs = vc.sub_dirs;
  c.ignore_case = vc.ignore_case;
  c.incl_dir_names = vc.incl_dir_names;
  c.excl_filenames = vc.excl_filenames;
  c.any_file = vc.any_file;
  c.normal = vc.normal;
  c.system = vc.system;
  c.hidden = vc.hidden;
  c.read_only = vc.read_only;
  c.archive = vc.archive;
  c.volume_id = vc.volume_id;
  c.use_path = vc.use_path;
  c.use_name = vc.use_name;
  c.use_ext = vc.use_ext;
  c.min.kbytes = vc.min.kbytes;
  c.max.kbytes = vc.max.kbytes;

  AppSettings& a = t.app;
  const AppSettings& va = v.app;
  a.ComboComp = va.ComboComp;
  a.ComboSort = va.ComboSort;
  t.scan.AutoScan = v.scan.AutoScan;
  t.scan.ResetScanString = v.scan.ResetScanString;
  t.scan.RetrieveVolumename = v.scan.RetrieveVolumename;
  t.scan.ScanIncList = v.scan.ScanIncList;
  t.scan.ShowProgress = v.scan.ShowProgress;
  t.scan.TrackHist = v.scan.TrackHist;
  a.ShowHints = va.ShowHints;
  a.ShowRename = va.ShowRename;
  a.SysTray = va.SysTray;
  a.ShowPreview = va.ShowPreview;
  a.SaveWin = va.SaveWin;
  a.SkipIntro = va.SkipIntro;
  a.confirm = va.confirm;
  a.SaveFileList = va.SaveFileList;
  a.SaveIncList = va.SaveIncList;
  a.SaveExcList = va.SaveExcList;
  a.LogSave = va.LogSave;
  a.SaveDir = va.SaveDir;
  a.RememberRename = va.RememberRename;
  a.SaveFav = va.SaveFav;
  a.SaveAddr = va.SaveAddr;
  a.SaveHist = va.SaveHist;
  a.PrintReport = va.PrintReport;
  a.PrintList = va.PrintList;
  OutputOptions& o = a.output;
  const OutputOptions& vo = va.output;
  o.GluePath = vo.GluePath;
  o.OutFileAppend = vo.OutFileAppend;
  o.OutFileReplace = vo.OutFileReplace;
  o.OutFilePrompt = vo.OutFilePrompt;
  o.ListVolume = vo.ListVolume;
  o.ListPath = vo.ListPath;
  o.ListSize = vo.ListSize;
  o.ListDate = vo.ListDate;
  o.ListScan = vo.ListScan;

  // 2. The default directory; an empty field means the root.
  t.paths.DefaultDir = v.paths.DefaultDir.empty() ? std::string(1, kPathDelim) : v.paths.DefaultDir;

  // 3. The two number fields.
  if (!ValidInteger(v.item_limit, t.scan.ItemLimit, t)) return false;
  if (!ValidInteger(v.stop_intvl, t.scan.StopIntvl, t)) return false;

  // 4. Texts.
  o.Header2 = vo.Header2;
  o.SaveName = vo.SaveName;
  t.paths.OpenWithDir = v.paths.OpenWithDir;

  // 5.-7. The limits and their lists.
  a.AddressSize = va.AddressSize;
  a.HistorySize = va.HistorySize;
  std::vector<std::string> scan_list = v.scan_list;
  if (scan_list.size() > static_cast<std::size_t>(std::max(0, a.HistorySize))) {
    scan_list.resize(static_cast<std::size_t>(std::max(0, a.HistorySize)));
  }
  if (t.set_scan_box) t.set_scan_box(v.scan_text, scan_list);
  a.FavouritesSize = va.FavouritesSize;
  // The "&Bookmarks" menu counts its three fixed entries too.
  if (t.trim_bookmarks) t.trim_bookmarks(std::max(0, a.FavouritesSize - 3));

  // 8. The item order; a list with lines is cleared by a new order, so ask first.
  const ItemOrder order = v.scan.SortOutput;
  if (t.items_empty ||
      (order != t.scan.SortOutput && t.ask_warning && t.ask_warning(kSortChangeWarning))) {
    t.scan.SortOutput = order;
  }

  // 9.-10. Output file options and the delimiter.
  o.Quotes = vo.Quotes;
  o.Titles = vo.Titles;
  o.Headers = vo.Headers;
  o.Statistics = vo.Statistics;
  o.SaveCSV = vo.SaveCSV;
  o.OutputSep = vo.OutputSep;
  return true;
}

}  // namespace krellix
