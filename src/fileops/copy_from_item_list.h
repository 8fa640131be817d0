#pragma once

#include <string>

#include "platform/prompter.h"

namespace krellix {

class ActivityLog;

// One copy of the copy command, also used for backups: copies `from` to `to` (to a free name
// beside `to` unless `replace`), logs "Copied=" or "Copy_Failed=", and on failure asks whether
// to go on. Returns kOk when copied, else the answer (kYes: go on, kCancel: stop). A negative
// `selected_item` does nothing and returns kNo.
Answer CopyFromItemList(bool replace, int selected_item, const std::string& from,
                        const std::string& to, Prompter& prompter, ActivityLog& log);

}  // namespace krellix
