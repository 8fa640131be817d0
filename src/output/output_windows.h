#pragma once

#include "output/output_dialogs.h"
#include "output/save_as_dialog.h"
#include "output/saving_file_prompt.h"

namespace krellix {

// The output writer's dialogs as the windows: "Save as..." is SaveAsDialog, "Saving file"
// SavingFilePrompt.
class OutputWindows final : public OutputDialogs {
 public:
  OutputWindows(SaveAsDialog& save_as, SavingFilePrompt& saving_file)
      : save_as_(save_as), saving_file_(saving_file) {}

  bool ShowSaveAs(OutputOptions& options) override { return save_as_.Execute(options); }
  SaveMode AskSavingFile(const std::string& path) override { return saving_file_.Ask(path); }

 private:
  SaveAsDialog& save_as_;
  SavingFilePrompt& saving_file_;
};

}  // namespace krellix
