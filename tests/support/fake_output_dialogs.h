#pragma once

#include <string>

#include "output/output_dialogs.h"
#include "output/output_options.h"

namespace krellix::test {

// Answers the "Save as..." dialog and the "Saving file" prompt without windows: "Save" with
// `path` as the file name (or "Cancel"), and `answer` for an existing file.
class FakeOutputDialogs final : public OutputDialogs {
 public:
  std::string path;
  bool save = true;
  SaveMode answer = SaveMode::kReplace;
  int save_as_shown = 0;

  bool ShowSaveAs(OutputOptions& options) override {
    ++save_as_shown;
    if (!save) return false;
    options.SaveName = path;
    return true;
  }
  SaveMode AskSavingFile(const std::string&) override { return answer; }
};

}  // namespace krellix::test
