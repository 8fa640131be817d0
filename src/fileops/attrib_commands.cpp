#include "fileops/attrib_commands.h"

#include <QApplication>

#include "fileops/attrib_items.h"
#include "fileops/attributes_dialog.h"
#include "itemlist/item_list_view.h"
#include "widgets/command_registry.h"

namespace krellix {

AttribCommands::AttribCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)), core_{ctx_.items, ctx_.state,    ctx_.confirm,
                                                       *this,      ctx_.prompter, ctx_.log,
                                                       ctx_.clock} {}

AttribCommands::~AttribCommands() = default;

void AttribCommands::Register(CommandRegistry& commands) {
  commands.Add(
      "items.attrib", "Attrib", QKeySequence("Ctrl+T"), [this] { Run(); },
      SelectionRule::kOneOrMore);
}

void AttribCommands::Run() {
  if (running_ || ctx_.busy()) return;
  running_ = true;
  AttribSelectedItems(core_, [this]() -> std::optional<AttribChoices> {
    if (dialog_ == nullptr) dialog_ = new AttributesDialog(ctx_.window);
    return dialog_->Run(ToCivil(ctx_.clock.Now()));
  });
  running_ = false;
  ctx_.after_run();
}

void AttribCommands::BeginBusy() {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  ctx_.view->BeginBusy();
  ctx_.enable_run_commands(false);
}

void AttribCommands::EndBusy() {
  ctx_.view->EndBusy();
  QApplication::restoreOverrideCursor();
  ctx_.enable_run_commands(true);
}

}  // namespace krellix
