#include "headless/headless_host.h"

namespace krellix {

void HeadlessPrompter::ShowMessage(MessageKind kind, const std::string& text) {
  if (kind == MessageKind::kError) ++errors_;
  if (quiet_ && quiet_()) return;
  write_error_("krellix: " + text + "\n");
}

bool HeadlessDialogs::ShowSaveAs(OutputOptions& options) {
  options.SaveName = path_;
  return true;
}

SaveMode HeadlessDialogs::AskSavingFile(const std::string& path) {
  prompter_.ShowMessage(MessageKind::kError,
                        "File exists: " + path + " (--append or --replace says what to do)");
  return SaveMode::kCancel;
}

}  // namespace krellix
