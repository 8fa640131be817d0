#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/confirm_options.h"
#include "base/window_place.h"
#include "output/output_options.h"

namespace krellix {

// A font by its description, so core code can keep one without a toolkit.
struct FontFace {
  std::string family = "Courier";
  int point_size = 10;
  bool bold = false, italic = false, underline = false, strike_out = false;
  std::uint32_t rgb = 0x000000;

  bool operator==(const FontFace&) const = default;
};

// The preferences the main window holds besides the scan's run-time fields (ScanState). Every
// member starts at its built-in default; the settings file may override them later.
struct AppSettings {
  int HistorySize = 17;
  int FavouritesSize = 17;
  int AddressSize = 17;

  // Output file; printing shares its column choices.
  OutputOptions output;
  FontFace PrinterFont;
  bool PrintReport = true, PrintList = false, PrintAllItems = false;

  // Panes and hints.
  bool ShowHints = false, ShowRename = false, SysTray = false;
  bool ShowPreview = true;

  // AutoScan as stored; becomes the live AutoScan at the end of loading the settings.
  bool tempAutoScan = true;

  // What is saved, and when.
  bool SaveWin = false, SaveDir = false, SaveHist = false, LogSave = false, RememberRename = false;
  bool SaveFav = true, SaveAddr = true, SaveIncList = true, SaveFileList = true, SaveExcList = true;

  // The places of the "Copy / Move" dialog (with the width of its tree pane) and of the
  // "Bookmarks" dialog, kept with the main window's when SaveWin is on.
  WindowPlace Form8, Form10;
  int Form8Splitter = 235;

  // The main window's "Skip intro" box.
  bool SkipIntro = false;

  // The scan string box: complete typed text from the history; keep the history sorted.
  bool ComboComp = false, ComboSort = false;

  ConfirmOptions confirm;

  // The custom scan strings, captions of "Scan string 1" to "Scan string 5".
  std::array<std::string, 5> CustOpt;

  bool operator==(const AppSettings&) const = default;
};

}  // namespace krellix
