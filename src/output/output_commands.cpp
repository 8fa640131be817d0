#include "output/output_commands.h"

#include <QAction>
#include <QKeySequence>
#include <QListWidget>
#include <QMenu>
#include <QStyle>

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "itemlist/statistics.h"
#include "output/output_windows.h"
#include "output/output_writer.h"
#include "output/save_as_dialog.h"
#include "output/save_item_list.h"
#include "output/saving_file_prompt.h"
#include "output/scan_output_file.h"
#include "scan/scan_host.h"
#include "scan/scan_state.h"
#include "widgets/command_registry.h"

namespace krellix {

OutputCommands::OutputCommands(Context context, OutputDialogs* dialogs, QWidget* parent)
    : QObject(parent),
      ctx_(std::move(context)),
      save_as_(new SaveAsDialog(parent)),
      saving_file_(new SavingFilePrompt(parent)) {
  if (dialogs == nullptr) {
    own_dialogs_ = std::make_unique<OutputWindows>(*save_as_, *saving_file_);
    dialogs = own_dialogs_.get();
  }
  dialogs_ = dialogs;
  writer_ = std::make_unique<WriteOutputFile>(OutputFileContext{
      ctx_.options, ctx_.header1, ctx_.items, ctx_.state, *dialogs_, ctx_.prompter, ctx_.log,
      ctx_.clock, ctx_.locale, [this](const std::string& text) { ctx_.host.ShowStatus(text); },
      ctx_.scan_text, ctx_.window_title, ctx_.copyright});
  scan_output_ = std::make_unique<krellix::ScanOutputFile>(*writer_);
}

OutputCommands::~OutputCommands() = default;

void OutputCommands::Register(CommandRegistry& commands) {
  QAction* save =
      commands.Add("output.save", "&Save", QKeySequence("Alt+S"), [this] { FileSelectedItems(); });
  save->setToolTip("Save item list to file");
  if (auto* parent = qobject_cast<QWidget*>(this->parent())) {
    save->setIcon(parent->style()->standardIcon(QStyle::SP_DialogSaveButton));
  }
  commands.Add("scan.to_file", "Scan to File", {}, [this] { ScantoFile1Click(); });
  QAction* save_log = commands.Add("log.save", "Save log", {}, [this] {
    SaveLogfile(LogSaver(), LogSaveKind::kInteractive);
    ctx_.after_save();
  });
  QAction* clear_log = commands.Add("log.clear", "Clear log", {},
                                    [this] { ClearLog(ctx_.log, ctx_.clock, ctx_.locale); });

  // The print commands own "Print log".
  QAction* print_log = commands.ActionFor("log.print", "Print log");
  QListWidget* view = ctx_.log_view;
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  auto* menu = new QMenu(view);
  menu->addAction(clear_log);
  menu->addAction(print_log);
  menu->addAction(save_log);
  connect(view, &QWidget::customContextMenuRequested, this,
          [menu, view](const QPoint& at) { menu->exec(view->mapToGlobal(at)); });
}

ScanOutput& OutputCommands::ScanFileOutput() { return *scan_output_; }

LogSaverContext OutputCommands::LogSaver() {
  return LogSaverContext{
      ctx_.log,      ctx_.log_name, ctx_.header1,
      ctx_.options,  ctx_.prompter, *dialogs_,
      ctx_.clock,    ctx_.locale,   [this](const std::string& text) { ctx_.host.ShowStatus(text); },
      ctx_.copyright};
}

void OutputCommands::FileSelectedItems() {
  if (ctx_.busy()) return;
  krellix::FileSelectedItems(*writer_, ctx_.items, ctx_.log,
                             [this](const std::string& text) { ctx_.host.ShowStatus(text); });
  ctx_.after_save();
}

void OutputCommands::ScantoFile1Click() {
  if (ctx_.busy()) return;
  // A start with "-sf" keeps the mode for the whole run; this command turns it on for one scan.
  const bool was_on = ctx_.state.ScanToFile;
  ctx_.state.ScanToFile = true;
  ctx_.items.Clear();
  ctx_.refresh_items();
  ctx_.host.ClearRenameBox();
  ctx_.stats.ResetSizes();
  ctx_.run_scan();
  ctx_.state.ScanToFile = was_on;
}

}  // namespace krellix
