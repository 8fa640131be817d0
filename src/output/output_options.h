#pragma once

#include <string>

namespace krellix {

// The options of the output file: what the "Save as..." dialog and the configuration dialog's
// "Output" tab edit, and what the writer reads at every call. The main window owns one and the
// settings file keeps it. The Attr and file name columns are always written.
struct OutputOptions {
  // Path of the output file; the start-up sets MyDocs + "scanlist.txt".
  std::string SaveName;
  // Separator text between columns: a tab ("TAB"), "," ("COMMA"), two blanks ("Version-0.3")
  // or any typed text.
  std::string OutputSep = "\t";
  bool Quotes = false;     // columns enclosed in double quotes
  bool Titles = false;     // a title row
  bool Headers = true;     // the five-line header block
  bool Statistics = true;  // the statistics block at "Close" (never in scan-to-file mode)
  bool SaveCSV = false;    // the spreadsheet preset of the "Save as..." dialog
  bool ListScan = false;   // first column: the scan string
  bool ListVolume = true;  // volume column (left out of a row whose volume is empty)
  bool ListPath = true;    // path column
  bool GluePath = true;    // path and file name form one column
  bool ListSize = true;    // size column
  bool ListDate = true;    // date column
  // What to do with an existing file; at most one is true. None: the save is cancelled.
  bool OutFileAppend = false;
  bool OutFileReplace = false;
  bool OutFilePrompt = true;
  // The user's header line (line 4 of the header block).
  std::string Header2 = "- ";

  bool operator==(const OutputOptions&) const = default;
};

}  // namespace krellix
