#pragma once

#include <QObject>
#include <array>
#include <functional>

class QAction;
class QMainWindow;

namespace krellix {

class CommandRegistry;
class CriteriaPanel;
class DirectoryPanel;
class WindowServices;
struct AppSettings;

// The window's own commands: Exit, the "Edit" menu, the "View" switches and the "Show / hide
// Hints" button, "Reset windowsize", the "Confirm ..." marks of the "Options" menu, and the key
// map's commands that no menu shows. It also keeps the item list's side of the window at least
// its least width plus 16 pixels wide, beside the directory pane.
//
// "Edit" acts on the focused control: the two history boxes (the scan string box and the
// address bar) take and give their whole text, also for Ctrl+X, Ctrl+C and Ctrl+V typed in them;
// other text fields (the rename box, the preview text) cut, copy and paste their selection; in
// the item list "Copy" copies the selected items.
class WindowCommands final : public QObject {
 public:
  struct Context {
    AppSettings& settings;
    WindowServices& services;
    CriteriaPanel* criteria;
    DirectoryPanel* directories;
    QMainWindow* window;
    std::function<void()> reset_window_size;
    // "Copy" copies the selected items while the item list has the focus.
    std::function<bool()> item_list_has_focus;
  };

  WindowCommands(Context context, QObject* parent);

  // Registers the commands under their ids ("app.exit", "edit.copy", ...).
  void Register(CommandRegistry& commands);
  // The checks of "View" and "Options" from the settings.
  void ShowSettings();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void RegisterEditCommands(CommandRegistry& commands);
  void LimitListWidth();

  Context ctx_;
  QAction* show_hints_ = nullptr;
  std::array<QAction*, 7> confirm_{};
};

}  // namespace krellix
