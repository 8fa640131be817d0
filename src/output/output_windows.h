#pragma once

#include "output/output_dialogs.h"
#include "output/save_as_dialog.h"
#include "output/saving_file_prompt.h"

namespace krellix {

// The output writer's dialogs as the windows: "Save as..." is TForm2, "Saving file" TForm5.
class OutputWindows final : public OutputDialogs {
 public:
  OutputWindows(TForm2& save_as, TForm5& saving_file)
      : save_as_(save_as), saving_file_(saving_file) {}

  bool ShowSaveAs(OutputOptions& options) override { return save_as_.Execute(options); }
  SaveMode AskSavingFile(const std::string& path) override { return saving_file_.Ask(path); }

 private:
  TForm2& save_as_;
  TForm5& saving_file_;
};

}  // namespace krellix
