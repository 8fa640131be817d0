#include "output/save_item_list.h"

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "output/output_writer.h"

namespace krellix {

std::string FileSelectedItems(WriteOutputFile& writer, const ItemList& items, ActivityLog& log,
                              const std::function<void(const std::string&)>& show_status) {
  std::string status;
  if (writer.Init() == SaveMode::kCancel) {
    status = "Save_file=cancelled";
  } else {
    std::size_t written = 0;
    if (writer.IsOpen()) {
      for (std::size_t i = 0; i < items.Count(); ++i) {
        // A line that is no item ("Scan cancelled") is saved as its text in the first field.
        ItemFields f;
        if (items.IsItem(i)) {
          f = items.Fields(i).ToFields();
        } else {
          f.Attr = items.Line(i);
        }
        if (writer.Write(f)) ++written;
      }
    }
    // A file that failed to close may hold none of the rows.
    if (!writer.Close()) written = 0;
    status = "Saved_Item_count=" + std::to_string(written);
  }
  if (show_status) show_status(status);
  log.AddLogLine(status);
  return status;
}

}  // namespace krellix
