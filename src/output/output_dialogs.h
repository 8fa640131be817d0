#pragma once

#include <string>

#include "output/output_options.h"

namespace krellix {

// What to do with a file being saved; the values are the results of the writer's "Init" and of
// the "Saving file" prompt.
enum class SaveMode { kReplace = 1, kAppend = 2, kCancel = 3 };

// The "Saving file" prompt: asked when a file about to be written exists already. The output
// writer, the log saver, the list savers and the join command share it.
class SavingFileQuestion {
 public:
  virtual ~SavingFileQuestion() = default;
  // Shows `path` and " File exists "; "&Replace", "&Append" or "&Cancel" (also Esc).
  virtual SaveMode AskSavingFile(const std::string& path) = 0;
};

// The dialogs of the output writer. The windows implement them; tests script them.
class OutputDialogs : public SavingFileQuestion {
 public:
  // The "Save as..." dialog, filled from `options`. On "Save" the controls are copied into
  // `options` and the result is true; on "Cancel" `options` is left unchanged.
  virtual bool ShowSaveAs(OutputOptions& options) = 0;
};

}  // namespace krellix
