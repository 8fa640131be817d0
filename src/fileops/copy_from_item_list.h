#pragma once

#include <cstdint>
#include <string>

#include "platform/file_copy.h"
#include "platform/prompter.h"

namespace krellix {

class ActivityLog;
class ItemList;

// The line that stands for a moved item until the move run takes such lines out.
inline constexpr std::string_view kMovedMark = ":[--moved--]";

// How one copy or move of the item list goes.
struct TransferOptions {
  // `from` names the entries of a directory: the directory followed by "/*". They go into the
  // directory `to`.
  bool contents = false;
  // Asked between files and between the pieces of a big one; false stops the transfer.
  CopyProgress progress;
};

// One copy of the copy command, also used for backups: copies `from` to `to` (to a free name
// beside `to` unless `replace`) and logs "Copied=" with the name written, or "Copy_Failed=".
// A failure shows its reason and asks whether to go on. Returns kOk when copied, else the
// answer (kYes: go on, kCancel: stop); a stop asked through the progress logs "Copy_Stopped="
// and answers kCancel without a question. What a failed copy could not remove is logged as
// "Copy_Partial_Left=". A negative `selected_item` does nothing and returns kNo.
Answer CopyFromItemList(bool replace, std::int64_t selected_item, const std::string& from,
                        const std::string& to, Prompter& prompter, ActivityLog& log,
                        const TransferOptions& options = {});

// One move of the move command, as CopyFromItemList: on success the item's line becomes
// kMovedMark and "Moved=" is logged; a failure logs "Move_Failed=" and asks. A source whose
// copy to another file system failed stays where it was.
Answer MoveFromItemList(bool replace, std::int64_t selected_item, const std::string& from,
                        const std::string& to, ItemList& items, Prompter& prompter,
                        ActivityLog& log, const TransferOptions& options = {});

}  // namespace krellix
