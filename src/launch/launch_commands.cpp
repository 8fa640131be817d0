#include "launch/launch_commands.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

#include "base/activity_log.h"
#include "base/exclusive_run.h"
#include "itemlist/item_click.h"
#include "itemlist/item_list.h"
#include "itemlist/item_list_view.h"
#include "launch/launch_items.h"
#include "platform/program_start.h"
#include "platform/prompter.h"
#include "preview/media_player.h"
#include "widgets/command_registry.h"

namespace krellix {

LaunchCommands::LaunchCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)) {}

void LaunchCommands::Register(CommandRegistry& commands) {
  commands.Add(
      "items.open", "Open", QKeySequence("Ctrl+O"), [this] { Open2Click(); },
      SelectionRule::kExactlyOne);
  commands.Add(
      "items.open_with", "Open with...", {}, [this] { Openwith2Click(); },
      SelectionRule::kExactlyOne);
  commands.Add(
      "items.play", "Play", {}, [this] { PlaySelectedItems(); }, SelectionRule::kOneOrMore);
}

void LaunchCommands::Open2Click() {
  const std::optional<std::string> name = CurrentItemName(ctx_.items);
  if (!name) return;
  ctx_.log.AddLogLine(OpenLogLine(*name));
  // The URL carries the name's bytes percent-encoded, so no conversion can alter them. A
  // missing file or a type without a program fails in the desktop's own way.
  QDesktopServices::openUrl(QUrl::fromEncoded(QByteArray::fromStdString(LocalFileUrl(*name))));
}

void LaunchCommands::Openwith2Click() {
  const std::optional<std::string> program =
      ctx_.prompter.PickOpenFile("Open with...", ctx_.open_with_dir, "All files (*)");
  if (!program) return;
  ctx_.open_with_dir = ProgramFolder(*program);
  const std::optional<std::string> name = CurrentItemName(ctx_.items);
  if (!name) return;
  ctx_.log.AddLogLine(OpenWithLogLine(*name, *program));
  // The name goes to the program as one argument, as it is: no shell sees it.
  const FileResult started = StartDetached(*program, {*name});
  if (!started) {
    ctx_.log.AddLogLine("Open_Failed=" + *program);
    ctx_.prompter.ShowMessage(MessageKind::kError,
                              WithReason("Cannot start: " + *program, started.Error()));
  }
}

void LaunchCommands::PlaySelectedItems() {
  RunExclusively(running_, ctx_.busy, ctx_.after_run, [this] {
    krellix::PlaySelectedItems(ctx_.items, ctx_.state, *this, ctx_.prompter, ctx_.log);
  });
}

void LaunchCommands::BeginPlayRun() {
  remembered_preview_ = ctx_.show_preview;
  ctx_.show_preview = true;
  ctx_.set_preview();
  ctx_.show_tree_page();
  ctx_.enable_run_commands(false);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  busy_cursor_ = true;
}

void LaunchCommands::EndPlayRun() {
  ctx_.player.Close();
  ctx_.show_preview = remembered_preview_;
  ctx_.set_preview();
  ctx_.enable_run_commands(true);
}

void LaunchCommands::RestoreCursor() {
  if (!busy_cursor_) return;
  QApplication::restoreOverrideCursor();
  busy_cursor_ = false;
}

void LaunchCommands::PlayFile(const std::string& full_name) { ctx_.player.Play(full_name); }

bool LaunchCommands::Playing() { return ctx_.player.Playing(); }

void LaunchCommands::ProcessEvents() { ctx_.player.WaitForChange(); }

void LaunchCommands::SelectionChanged(std::size_t line) { ctx_.view->RefreshLines(line, line); }

}  // namespace krellix
