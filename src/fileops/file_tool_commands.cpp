#include "fileops/file_tool_commands.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <memory>

#include "fileops/create_directory_dialog.h"
#include "fileops/join_split.h"
#include "fileops/join_split_dialog.h"
#include "widgets/command_registry.h"
#include "widgets/qt_text.h"

namespace krellix {

FileToolCommands::FileToolCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)) {}

std::string FileToolCommands::AskText(const std::string& title, const std::string& caption,
                                      const std::string& text) {
  bool ok = false;
  const QString shown = PathToQt(text);
  const QString answer =
      QInputDialog::getText(ctx_.window, ToQt(title), ToQt(caption), QLineEdit::Normal, shown, &ok);
  return !ok || answer == shown ? text : PathFromQt(answer);
}

void FileToolCommands::Register(CommandRegistry& commands) {
  commands.Add(
      "items.split_join", "Split / Join", {}, [this] { JoinSelectedItems(); },
      SelectionRule::kOneOrMore);
  commands.Add("tree.create_directory", "Create directory", {},
               [this] { CreateDirectory1Click(); });
  commands.Add("tree.rename_directory", "Rename directory", {},
               [this] { RenameDirectory1Click(); });
}

void FileToolCommands::JoinSelectedItems() {
  if (ctx_.busy()) return;
  const auto start = JoinSplitSelection(ctx_.items, ctx_.prompter);
  if (start) {
    ctx_.stop_preview();
    if (join_split_ == nullptr) {
      auto clock = std::make_shared<QElapsedTimer>();
      clock->start();
      join_split_ = new JoinSplitDialog(
          {ctx_.prompter, ctx_.saving_file, [clock] { return clock->elapsed(); }}, ctx_.window);
    }
    if (start->joining) {
      join_split_->PrepareJoin(start->files);
    } else {
      join_split_->PrepareSplit(start->file);
    }
    join_split_->exec();
  }
  ctx_.clear_rename_box();
}

DirectoryCommandsEnv FileToolCommands::DirectoryEnv() {
  return {ctx_.prompter,
          ctx_.log,
          ctx_.confirm,
          ctx_.open_tree_directory,
          ctx_.refresh_tree,
          [this](CreateDirectoryValues& v) {
            if (create_directory_ == nullptr) {
              create_directory_ = new CreateDirectoryDialog(ctx_.prompter, ctx_.window);
            }
            return create_directory_->Run(v);
          },
          [this](const std::string& title, const std::string& caption, const std::string& text) {
            return AskText(title, caption, text);
          }};
}

void FileToolCommands::CreateDirectory1Click() {
  if (ctx_.busy()) return;
  const std::string marked = ctx_.marked_directory();
  if (marked.empty()) return;
  CreateDirectoryCommand(marked, create_values_, DirectoryEnv());
}

void FileToolCommands::RenameDirectory1Click() {
  if (ctx_.busy()) return;
  const std::string marked = ctx_.marked_directory();
  if (marked.empty()) return;
  RenameDirectoryCommand(marked, ctx_.tree_directory(), DirectoryEnv());
}

}  // namespace krellix
