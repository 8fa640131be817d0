#pragma once

#include <QObject>
#include <array>
#include <functional>
#include <string>

#include "scan/scan_engine.h"

class QAction;
class QMenu;
class QWidget;

namespace krellix {

class CommandRegistry;

// The scan commands' actions; the window puts them on its tool bar and menus.
struct ScanActions {
  QAction* scan = nullptr;           // tool bar "Scan" and "File" > "Scan"
  QAction* stop = nullptr;           // tool bar "Stop" (and Esc)
  QAction* dir_all = nullptr;        // tool bar "Dir *.*" (and F3)
  QAction* auto_scan = nullptr;      // pressed (checked) means AutoScan is off
  QAction* tree_scan = nullptr;      // the directory tree's "Scan"
  std::array<QAction*, 5> custom{};  // "Scan string 1" to "Scan string 5"
  QAction* custom_cancel = nullptr;
  QMenu* custom_menu = nullptr;  // the Scan button's context menu
  QAction* reset_criteria = nullptr;
};

// The scan commands: Scan, Stop, "Dir *.*", AutoScan, the custom scan strings, F4's rescan
// and "Reset selection criteria". It owns the scan engine, and runs one command at a time.
class ScanCommands final : public QObject {
 public:
  struct Context {
    ScanContext scan;
    QWidget* window;                                   // holds the Scan button's menu
    const std::array<std::string, 5>& custom_strings;  // CustOpt
    // After every command: the view takes the lines the run added after its busy spell.
    std::function<void()> after_command;
    // "Reset selection criteria".
    std::function<void()> reset_criteria;
  };

  ScanCommands(Context context, QObject* parent);

  // Registers the commands under their ids ("scan.scan", "tree.scan", ...).
  void Register(CommandRegistry& commands);

  const ScanActions& Actions() const { return actions_; }
  ScanEngine& Engine() { return engine_; }
  bool Running() const { return engine_.Running(); }

  // Runs a scan command unless a run is under way (the engine would refuse it anyway).
  void Run(const std::function<void()>& command);
  // Enter in the scan string box.
  void ScanEnterKey();
  // The commands that start a run are off while one is under way.
  void SetEnabled(bool on);
  // The custom strings as the captions of the Scan button's menu.
  void ShowCustomStrings();
  // Shows AutoScan's state on its (inverted) tool button.
  void ShowAutoScan(bool on);

 private:
  void CreateActions();

  Context ctx_;
  ScanEngine engine_;
  ScanActions actions_;
};

}  // namespace krellix
