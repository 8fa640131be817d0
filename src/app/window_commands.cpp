#include "app/window_commands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QSplitter>
#include <QStyle>
#include <optional>
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

// The item list's side of the window keeps this much more than its least width.
constexpr int kListWidthMargin = 16;

// The editable combo box (scan string box, address bar) that `focus` is or edits in, else
// nullptr.
QComboBox* HistoryBoxOf(QWidget* focus) {
  if (auto* line = qobject_cast<QLineEdit*>(focus)) focus = line->parentWidget();
  auto* box = qobject_cast<QComboBox*>(focus);
  return box != nullptr && box->isEditable() ? box : nullptr;
}

enum class EditOp { kCut, kCopy, kPaste };

// The "Edit" operation a key stands for, if any.
std::optional<EditOp> EditOpOf(const QKeyEvent* key) {
  if (key->matches(QKeySequence::Cut)) return EditOp::kCut;
  if (key->matches(QKeySequence::Copy)) return EditOp::kCopy;
  if (key->matches(QKeySequence::Paste)) return EditOp::kPaste;
  return std::nullopt;
}

// A history box takes and gives its whole text.
void EditWholeText(QComboBox* box, EditOp op) {
  QClipboard* clipboard = QApplication::clipboard();
  switch (op) {
    case EditOp::kCut:
      clipboard->setText(box->currentText());
      box->setEditText(QString());
      break;
    case EditOp::kCopy:
      clipboard->setText(box->currentText());
      break;
    case EditOp::kPaste:
      box->setEditText(clipboard->text());
      break;
  }
}

// Other text fields (the rename box, the preview text) cut, copy and paste their selection with
// their own slot of that name; other controls have none.
void EditFocused(EditOp op) {
  QWidget* focus = QApplication::focusWidget();
  if (QComboBox* box = HistoryBoxOf(focus)) {
    EditWholeText(box, op);
  } else if (focus != nullptr) {
    const char* slot = op == EditOp::kCut ? "cut" : op == EditOp::kCopy ? "copy" : "paste";
    if (focus->metaObject()->indexOfSlot(QByteArray(slot) + "()") >= 0) {
      QMetaObject::invokeMethod(focus, slot);
    }
  }
}

QAction* Checkable(
    CommandRegistry& commands, const char* id, const char* caption, const char* keys,
    std::function<void()> run = [] {}) {
  QAction* action = commands.Add(id, caption, QKeySequence(keys), std::move(run));
  action->setCheckable(true);
  return action;
}

}  // namespace

WindowCommands::WindowCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)) {
  qApp->installEventFilter(this);
}

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
  QAction* hints_button =
      commands.Add("view.hints_button", QCoreApplication::translate("MainWindow", "Hints"), {},
                   [this] { show_hints_->trigger(); });
  hints_button->setToolTip(QCoreApplication::translate("MainWindow", "Show / hide Hints"));
  hints_button->setIcon(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation));
  commands.Add("view.reset_window", "Reset windowsize", {}, ctx_.reset_window_size);
  LimitListWidth();

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
  commands.Add("edit.cut", "Cut", QKeySequence("Ctrl+X"), [] { EditFocused(EditOp::kCut); });
  commands.Add("edit.copy", "Copy", QKeySequence("Ctrl+C"), [this, &commands] {
    if (ctx_.item_list_has_focus()) {
      QAction* copy_items = commands.Find("items.copy");
      if (copy_items != nullptr && copy_items->isEnabled()) copy_items->trigger();
      return;
    }
    EditFocused(EditOp::kCopy);
  });
  commands.Add("edit.paste", "Paste", QKeySequence("Ctrl+V"), [] { EditFocused(EditOp::kPaste); });
}

bool WindowCommands::eventFilter(QObject* watched, QEvent* event) {
  // Ctrl+X, Ctrl+C and Ctrl+V typed in a history box of this window take and give its whole
  // text, as "Edit" does, instead of the box's own editing of its selection.
  const QEvent::Type type = event->type();
  if ((type != QEvent::ShortcutOverride && type != QEvent::KeyPress) || !watched->isWidgetType()) {
    return false;
  }
  auto* widget = static_cast<QWidget*>(watched);
  QComboBox* box = widget->window() == ctx_.window ? HistoryBoxOf(widget) : nullptr;
  const std::optional<EditOp> op =
      box != nullptr ? EditOpOf(static_cast<QKeyEvent*>(event)) : std::nullopt;
  if (!op) return false;
  // Taken as a key press rather than as the menu's shortcut, it acts here however the window
  // stands.
  event->accept();
  if (type == QEvent::KeyPress) EditWholeText(box, *op);
  return true;
}

void WindowCommands::LimitListWidth() {
  // The splitter gives no pane less than its least width; the list's side gets a margin more,
  // which also bounds how narrow the window can become.
  auto* split = qobject_cast<QSplitter*>(ctx_.window->centralWidget());
  if (split == nullptr || split->count() < 2) return;
  QWidget* list_side = split->widget(1);
  list_side->setMinimumWidth(list_side->minimumSizeHint().width() + kListWidthMargin);
}

void WindowCommands::ShowSettings() {
  const AppSettings& s = ctx_.settings;
  show_hints_->setChecked(s.ShowHints);
  for (std::size_t i = 0; i < confirm_.size(); ++i) {
    confirm_[i]->setChecked(s.confirm.*kConfirmMarks[i].mark);
  }
}

}  // namespace krellix
