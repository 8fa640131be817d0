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

// The window's own commands: Exit, the "Edit" menu, the "View" switches, the "Confirm ..."
// marks of the "Options" menu, and the key map's commands that no menu shows.
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

 private:
  void RegisterEditCommands(CommandRegistry& commands);

  Context ctx_;
  QAction* show_hints_ = nullptr;
  std::array<QAction*, 7> confirm_{};
};

}  // namespace krellix
