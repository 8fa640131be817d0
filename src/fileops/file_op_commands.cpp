#include "fileops/file_op_commands.h"

#include <QAction>
#include <QApplication>
#include <QStyle>

#include "base/exclusive_run.h"
#include "fileops/attrib_items.h"
#include "fileops/attributes_dialog.h"
#include "fileops/copy_move_dialog.h"
#include "fileops/copy_move_items.h"
#include "fileops/delete_items.h"
#include "itemlist/item_list_view.h"
#include "widgets/command_registry.h"

namespace krellix {

FileOpCommands::FileOpCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)), core_{ctx_.items, ctx_.state,    ctx_.confirm,
                                                       *this,      ctx_.prompter, ctx_.log,
                                                       ctx_.clock} {}

FileOpCommands::~FileOpCommands() = default;

void FileOpCommands::Register(CommandRegistry& commands) {
  constexpr SelectionRule kOneOrMore = SelectionRule::kOneOrMore;
  const auto remove = [this](DeleteMode mode) {
    Run([mode](FileOpsContext& c) { DeleteSelectedItems(c, mode); });
  };
  commands.Add(
      "items.delete", "Delete", QKeySequence("Ctrl+D"), [remove] { remove(DeleteMode::kDelete); },
      kOneOrMore);
  commands.Add(
      "items.purge", "Purge", QKeySequence("Ctrl+Shift+D"),
      [remove] { remove(DeleteMode::kPurge); }, kOneOrMore);
  // Ctrl+C belongs to "Edit" > "Copy", which copies the items while the list has the focus;
  // here it is only shown.
  commands.Add(
      "items.copy", "Copy\tCtrl+C", {},
      [this] { Run([](FileOpsContext& c) { CopySelectedItems(c); }); }, kOneOrMore);
  commands.Add(
      "items.move", "Move", QKeySequence("Ctrl+M"),
      [this] { Run([](FileOpsContext& c) { MoveSelectedItems(c); }); }, kOneOrMore);
  commands.Add(
      "items.attrib", "Attrib", QKeySequence("Ctrl+T"),
      [this] {
        Run([this](FileOpsContext& c) {
          AttribSelectedItems(c, [this]() -> std::optional<AttribChoices> {
            if (attrib_dialog_ == nullptr) attrib_dialog_ = new AttributesDialog(ctx_.window);
            return attrib_dialog_->Run(ToCivil(ctx_.clock.Now()));
          });
        });
      },
      kOneOrMore);
  QAction* button =
      commands.Add("items.delete_button", "Delete", {}, [remove] { remove(DeleteMode::kDelete); });
  button->setIcon(QApplication::style()->standardIcon(QStyle::SP_TrashIcon));
  button->setToolTip("Delete selected item(s)");
  commands.Add("tree.delete_directory", "Delete directory", {}, [this] {
    const std::string marked = ctx_.marked_directory();
    if (marked.empty()) return;
    Run([this, marked](FileOpsContext& c) {
      DeleteDirectoryFromTree(c, ctx_.tree_directory(), marked);
    });
  });
}

void FileOpCommands::Run(const std::function<void(FileOpsContext&)>& run) {
  RunExclusively(running_, ctx_.busy, ctx_.after_run, [&] {
    top_line_ = -1;
    run(core_);
  });
}

void FileOpCommands::BeginBusy() {
  QApplication::setOverrideCursor(Qt::BusyCursor);
  ctx_.view->BeginBusy();
  ctx_.enable_run_commands(false);
}

void FileOpCommands::EndBusy() {
  ctx_.view->EndBusy();
  if (top_line_ >= 0) {
    ctx_.view->scrollTo(ctx_.view->model()->index(static_cast<int>(top_line_), 0),
                        QAbstractItemView::PositionAtTop);
  }
  QApplication::restoreOverrideCursor();
  ctx_.enable_run_commands(true);
}

std::int64_t FileOpCommands::TopLine() {
  const QModelIndex top = ctx_.view->indexAt(QPoint(0, 0));
  return top.isValid() ? top.row() : 0;
}

bool FileOpCommands::ShowCopyMoveDialog(CopyMoveValues& values) {
  if (dialog_ == nullptr) {
    dialog_ = new CopyMoveDialog({ctx_.prompter, ctx_.volumes, ctx_.dialog_place,
                                  ctx_.dialog_splitter, ctx_.save_place, ctx_.address_size},
                                 ctx_.window);
  }
  return dialog_->Run(values, ctx_.bookmarks(), ctx_.tree_directory());
}

}  // namespace krellix
