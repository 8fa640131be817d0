#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace krellix {

class ChecksumWindow;
class CommandRegistry;
class ItemList;
class Prompter;
struct ScanState;

// "MD5" of the selected items: owns its action and the "MD5 checksum" window.
class ChecksumCommands final : public QObject {
 public:
  struct Context {
    ItemList& items;
    ScanState& state;  // the stop request CancelStopEsc
    Prompter& prompter;
    QWidget* window;  // the parent of the checksum window
    std::function<void()> stop_preview;
    std::function<void()> clear_rename_box;
    // The Stop command: logs the stop and sets the stop request.
    std::function<void()> stop;
    // True while another run polls events: no run starts then.
    std::function<bool()> busy;
  };

  ChecksumCommands(Context context, QObject* parent);

  // Registers "items.md5" (one or more selected items).
  void Register(CommandRegistry& commands);

  // The command: the checksums of the selected items, first to last, in the checksum window.
  void MD52Click();

  // The window, once opened.
  ChecksumWindow* Window() const { return window_; }

 private:
  Context ctx_;
  ChecksumWindow* window_ = nullptr;
};

}  // namespace krellix
