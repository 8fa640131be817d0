#include "app/window_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QStyle>
#include <string>

#include "app/criteria_panel.h"
#include "app/window_services.h"
#include "navigation/directory_panel.h"
#include "settings/app_settings.h"
#include "widgets/command_registry.h"
#include "widgets/qt_text.h"

namespace krellix {
namespace {

// The check marks of the "Options" menu and the settings they stand for.
struct ConfirmMark {
  const char* id;
  const char* caption;
  bool ConfirmOptions::*mark;
};

constexpr ConfirmMark kConfirmMarks[] = {
    {"options.confirm_delete_directory", "Confirm Delete directory",
     &ConfirmOptions::delete_directory},
    {"options.confirm_rename_directory", "Confirm Rename directory",
     &ConfirmOptions::rename_directory},
    {"options.confirm_purge_file", "Confirm Purge file", &ConfirmOptions::purge_file},
    {"options.confirm_delete_file", "Confirm Delete file", &ConfirmOptions::delete_file},
    {"options.confirm_rename_file", "Confirm Rename file", &ConfirmOptions::rename_file},
    {"options.preview_rename_file", "Preview Rename file", &ConfirmOptions::preview_rename_file},
    {"options.confirm_attrib_file", "Confirm Attrib file", &ConfirmOptions::attrib_file},
};
static_assert(std::size(kConfirmMarks) == 7);

QAction* Checkable(
    CommandRegistry& commands, const char* id, const char* caption, const char* keys,
    std::function<void()> run = [] {}) {
  QAction* action = commands.Add(id, caption, QKeySequence(keys), std::move(run));
  action->setCheckable(true);
  return action;
}

}  // namespace

WindowCommands::WindowCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)) {}

void WindowCommands::Register(CommandRegistry& commands) {
  QMainWindow* window = ctx_.window;
  commands.Add("app.exit", "E&xit", QKeySequence("Alt+F4"), [window] { window->close(); });
  QAction* exit_button =
      commands.Add("app.exit_button", "Exit (Alt+F4)", {}, [window] { window->close(); });
  exit_button->setIcon(QApplication::style()->standardIcon(QStyle::SP_DialogCloseButton));
  exit_button->setToolTip("Exit (Alt+F4)");
  RegisterEditCommands(commands);

  show_hints_ = Checkable(commands, "view.hints", "Show Hints", "Ctrl+Alt+H");
  connect(show_hints_, &QAction::toggled, this, [this](bool on) { ctx_.settings.ShowHints = on; });
  commands.Add("view.reset_window", "Reset windowsize", {}, ctx_.reset_window_size);

  for (std::size_t i = 0; i < confirm_.size(); ++i) {
    const ConfirmMark& m = kConfirmMarks[i];
    confirm_[i] = Checkable(commands, m.id, m.caption, "");
    connect(confirm_[i], &QAction::toggled, this,
            [this, mark = m.mark](bool on) { ctx_.settings.confirm.*mark = on; });
  }

  WindowServices& services = ctx_.services;
  commands.Add("keys.no_function", "Key has no function", {},
               [&services] { services.ShowStatus("Key has no function"); });
  DirectoryPanel* panel = ctx_.directories;
  commands.Add("pane.tree", "Tree", {}, [panel] { panel->ShowPane(DirPane::kTree); });
  commands.Add("pane.list", "List", {}, [panel] { panel->ShowPane(DirPane::kList); });
  commands.Add("pane.skip", "Skip", {}, [panel] { panel->ShowPane(DirPane::kSkip); });
}

void WindowCommands::RegisterEditCommands(CommandRegistry& commands) {
  // The scan string box takes and gives its whole text; other fields their selection.
  auto edit = [this](void (*field_command)(QLineEdit*), bool take, bool give) {
    if (ctx_.services.ScanBoxHasFocus()) {
      if (give) {
        ctx_.services.SetScanText(FromQt(QApplication::clipboard()->text()));
        return;
      }
      QApplication::clipboard()->setText(ctx_.criteria->ScanBox()->currentText());
      if (take) ctx_.services.SetScanText("");
    } else if (auto* field = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
      field_command(field);
    }
  };
  commands.Add("edit.cut", "Cut", QKeySequence("Ctrl+X"),
               [edit] { edit([](QLineEdit* f) { f->cut(); }, true, false); });
  commands.Add("edit.copy", "Copy", QKeySequence("Ctrl+C"), [this, edit, &commands] {
    if (ctx_.item_list_has_focus()) {
      QAction* copy_items = commands.Find("items.copy");
      if (copy_items != nullptr && copy_items->isEnabled()) copy_items->trigger();
      return;
    }
    edit([](QLineEdit* f) { f->copy(); }, false, false);
  });
  commands.Add("edit.paste", "Paste", QKeySequence("Ctrl+V"),
               [edit] { edit([](QLineEdit* f) { f->paste(); }, false, true); });
}

void WindowCommands::ShowSettings() {
  const AppSettings& s = ctx_.settings;
  show_hints_->setChecked(s.ShowHints);
  for (std::size_t i = 0; i < confirm_.size(); ++i) {
    confirm_[i]->setChecked(s.confirm.*kConfirmMarks[i].mark);
  }
}

}  // namespace krellix
