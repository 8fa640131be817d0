#pragma once

#include <string>

#include "itemlist/item_entry.h"
#include "printing/print_job.h"

namespace krellix {

// Where the report's columns lie, in device pixels, and how many characters fit in them.
struct ReportColumns {
  int file_x = 0;      // the file name column
  int size_x = 0;      // the size column (the date column when the date is left out)
  int date_x = 0;      // the date column
  int file_limit = 0;  // characters of a file name: up to the size column, or the page's edge
  int path_limit = 0;  // characters of a directory heading
};

ReportColumns ReportColumnsOf(const PrinterEnvironment& env, const OutputOptions& options);

// The text of an item in the list print: Vol + " | ", Path, File + " | ", Size + " | " and
// Date + " | ", each only when its option is on (the file name always is).
std::string ListLineOf(const ItemFieldViews& fields, const OutputOptions& options);

// The item list as a report: items grouped under a heading per directory, with file name,
// size and date in columns; every item when ctx.print_all_items is set, else the selected
// ones. Events are handled after every item line, and Stop or Esc aborts the job ("Print
// cancelled"). Logs "Print=Report" and "Print_count=" + the items printed; an empty list
// prints nothing.
PrintResult ReportSelectedItems(const PrintContext& ctx, PrintTarget& printer);

// The item list as a list: one line per item, cut to the page's width. Cannot be stopped.
// Logs "Print=List" and "Print_count=" as the report does.
PrintResult ListSelectedItems(const PrintContext& ctx, PrintTarget& printer);

}  // namespace krellix
