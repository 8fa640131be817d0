#pragma once

#include "fileops/file_ops_host.h"

namespace krellix {

// "Copy": shows the "Copy / Move" dialog, then copies every selected item into its destination
// (a directory item's entries into a directory of its name), renaming on the way when asked,
// skipping or replacing existing targets or giving the copies free names. Logs every item and
// ends with "Copy_count=c Skipped=s Total=n Time=hh:mm:ss:zzz" in the status bar and the log.
// Stop (the stop request) ends the run between files; what it was copying is removed.
void CopySelectedItems(FileOpsContext& ctx);

// "Move": as CopySelectedItems, and the lines of moved items leave the list ("Move_count=").
void MoveSelectedItems(FileOpsContext& ctx);

}  // namespace krellix
