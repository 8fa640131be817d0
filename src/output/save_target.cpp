#include "output/save_target.h"

#include "itemlist/item_entry.h"
#include "output/output_dialogs.h"
#include "platform/file_system.h"

namespace krellix {

std::string CannotOpenText(OpenHow how) {
  switch (how) {
    case OpenHow::kReplace:
      return "Cannot open(replace): ";
    case OpenHow::kAppend:
      return "Cannot open(append): ";
    case OpenHow::kCreate:
      break;
  }
  return "Cannot open(create): ";
}

std::optional<OpenHow> AskOpenHow(const std::string& path, SavingFileQuestion& saving_file) {
  if (!FileExists(path)) return OpenHow::kCreate;
  switch (saving_file.AskSavingFile(path)) {
    case SaveMode::kReplace:
      return OpenHow::kReplace;
    case SaveMode::kAppend:
      return OpenHow::kAppend;
    case SaveMode::kCancel:
      break;
  }
  return std::nullopt;
}

std::string WithDefaultExtension(std::string name, const std::string& extension) {
  if (ExtensionOf(name).empty() && !NamePart(name).empty() && !FileExists(name)) {
    name += extension;
  }
  return name;
}

}  // namespace krellix
