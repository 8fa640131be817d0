#include "fileops/copy_from_item_list.h"

#include "base/activity_log.h"
#include "platform/file_copy.h"

namespace krellix {

Answer CopyFromItemList(bool replace, int selected_item, const std::string& from,
                        const std::string& to, Prompter& prompter, ActivityLog& log) {
  if (selected_item < 0) return Answer::kNo;
  std::string error;
  if (const auto written = CopyOneFile(from, to, replace, error)) {
    log.AddLogLine("Copied=" + from + " To=" + *written);
    return Answer::kOk;
  }
  log.AddLogLine("Copy_Failed=" + from + " To=" + to);
  return prompter.Ask(
      "Copy failed for: " + from + "\r\n" + to + "\r\n" + "continue with next items or Cancel?",
      Buttons::kYesCancel);
}

}  // namespace krellix
