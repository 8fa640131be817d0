#include "app/startup_defaults.h"

namespace krellix {

const std::vector<std::string>& DefaultScanStrings() {
  static const std::vector<std::string> kStrings = {
      "*.*",
      "*.bat *.inf *.ini *.log *.txt",
      "*.c *.cpp *.java *.pas",
      "*.css *.htm* *.php*",
      "*.bmp *.gif *.jpg *.jp2 *.png *.tif*",
      "*.mp3* *.ra *.wav *.flac",
      "*.avi *.mpg *.mpeg",
      "*.com *.dll *.exe",
      "*.doc *.docx *.pdf *.rtf *.ppt *.pps *.vsd *.xls",
      "*.ntx *.uue *.b64 *.arj *.lzh *.cab *.zip *.rar",
  };
  return kStrings;
}

const std::array<std::string, 5>& DefaultCustomScanStrings() {
  static const std::array<std::string, 5> kStrings = {
      "*.bat *.cpp *.htm* *.ini *.log *.pas *.php* *.txt",
      "*.gif *.bmp *.jpg *.png *.tif",
      "*.wav *.mp3 *.wma",
      "*.mpg *.avi *.wmv",
      "*.doc *.vsd *.xls *.ppt",
  };
  return kStrings;
}

void ApplyBuiltInDefaults(AppSettings& settings, ScanState& state) {
  settings = AppSettings();
  settings.CustOpt = DefaultCustomScanStrings();

  const bool to_file = state.ScanToFile;
  ScanState fresh;
  fresh.ScanToFile = to_file;
  fresh.ItemLimit = 10000;
  fresh.StopIntvl = 1000;
  fresh.ShowProgress = true;
  fresh.TrackHist = true;
  fresh.RetrieveVolumename = true;
  fresh.ResetScanString = false;
  fresh.ScanString = false;
  fresh.AutoScan = false;
  fresh.SortOutput = to_file ? ItemOrder::kArrival : ItemOrder::kPath;
  state = fresh;
}

}  // namespace krellix
