#pragma once

#include <functional>
#include <string>

#include "navigation/list_files.h"

class QListWidget;

namespace krellix {

class ActivityLog;
class Prompter;
class SavingFileQuestion;
class ScanHost;

// What the commands of the include, exclude and file lists need of the program and the window.
struct ListCommandContext {
  ActivityLog& log;
  Prompter& prompter;  // pickers and failure messages
  ScanHost& host;      // the status line, the scan string box and the current directory
  // The "Saving file" prompt of a save onto an existing file; asked for when a save runs.
  std::function<SavingFileQuestion&()> saving_file;
  // The window's one way of changing the current directory; false when it was refused (the
  // user has been told).
  std::function<bool(const std::string&)> goto_directory;

  // What the list savers report to.
  ListSaverContext Saving() const;
};

// The row of the view's current entry when it is also selected; -1 otherwise.
int SelectedListRow(const QListWidget* view);

}  // namespace krellix
