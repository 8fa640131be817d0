#include "checksums/checksum_commands.h"

#include "checksums/checksum_list.h"
#include "checksums/checksum_window.h"
#include "itemlist/item_list.h"
#include "platform/prompter.h"
#include "scan/scan_state.h"
#include "widgets/command_registry.h"

namespace krellix {

ChecksumCommands::ChecksumCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)) {}

void ChecksumCommands::Register(CommandRegistry& commands) {
  commands.Add(
      "items.md5", "MD5", {}, [this] { MD52Click(); }, SelectionRule::kOneOrMore);
}

void ChecksumCommands::MD52Click() {
  if (ctx_.busy()) return;
  std::vector<std::string> files;
  if (ctx_.items.Empty()) {
    ctx_.prompter.ShowMessage(MessageKind::kInformation, "No items selected");
  } else {
    ctx_.stop_preview();
    if (ctx_.items.SelectedCount() > 0) {
      // A stop left over from an earlier scan must not end this run before it starts.
      ctx_.state.CancelStopEsc = false;
      files = SelectedItemNames(ctx_.items);
    }
  }
  ctx_.clear_rename_box();
  if (window_ == nullptr) {
    window_ = new ChecksumWindow(
        {ctx_.prompter, ctx_.stop, [this] { return ctx_.state.CancelStopEsc; }}, ctx_.window);
  }
  window_->Run(std::move(files));
}

}  // namespace krellix
