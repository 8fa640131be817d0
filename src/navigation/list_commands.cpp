#include "navigation/list_commands.h"

#include <QListWidget>

#include "platform/prompter.h"
#include "scan/scan_host.h"

namespace krellix {

ListSaverContext ListCommandContext::Saving() const {
  return ListSaverContext{log, prompter, saving_file(),
                          [&host = host](const std::string& text) { host.ShowStatus(text); }};
}

int SelectedListRow(const QListWidget* view) {
  const QListWidgetItem* item = view->currentItem();
  return item != nullptr && item->isSelected() ? view->row(item) : -1;
}

ListCommands::ListCommands(Context context, QObject* parent)
    : QObject(parent),
      prompter_(context.shared.prompter),
      include_(context.shared, std::move(context.include)),
      exclude_(context.shared, std::move(context.exclude)),
      files_(context.shared, std::move(context.files)) {}

void ListCommands::Register(CommandRegistry& commands) {
  include_.Register(commands);
  exclude_.Register(commands);
  files_.Register(commands);
}

void ListCommands::LoadListFiles() {
  const std::string failures[] = {include_.Reload(), exclude_.Reload(), files_.Reload()};
  for (const std::string& failure : failures) {
    if (!failure.empty()) prompter_.ShowMessage(MessageKind::kError, failure);
  }
}

}  // namespace krellix
