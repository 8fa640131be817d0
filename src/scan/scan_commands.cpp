#include "scan/scan_commands.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QStyle>

#include "widgets/command_registry.h"
#include "widgets/qt_text.h"

namespace krellix {

ScanCommands::ScanCommands(Context context, QObject* parent)
    : QObject(parent), ctx_(std::move(context)), engine_(ctx_.scan) {
  CreateActions();
}

void ScanCommands::CreateActions() {
  QStyle* s = QApplication::style();
  actions_.scan = new QAction(s->standardIcon(QStyle::SP_MediaPlay), "Scan", this);
  actions_.scan->setToolTip("Scan the directory with the scan string (Enter)");
  actions_.stop = new QAction(s->standardIcon(QStyle::SP_BrowserStop), "Stop", this);
  actions_.stop->setToolTip("Stop scanning (Esc)");
  actions_.dir_all = new QAction(s->standardIcon(QStyle::SP_DirOpenIcon), "Dir *.*", this);
  actions_.dir_all->setToolTip("List every entry of the directory (F3)");
  actions_.auto_scan = new QAction(s->standardIcon(QStyle::SP_BrowserReload), "AutoScan", this);
  actions_.auto_scan->setToolTip("Toggle AutoScan");
  actions_.auto_scan->setCheckable(true);
  actions_.tree_scan = new QAction("Scan", this);
  actions_.reset_criteria = new QAction("Reset selection criteria", this);

  actions_.custom_menu = new QMenu(ctx_.window);
  for (std::size_t i = 0; i < actions_.custom.size(); ++i) {
    actions_.custom[i] = actions_.custom_menu->addAction(QString("Scan string %1").arg(i + 1));
    connect(actions_.custom[i], &QAction::triggered, this,
            [this, i] { Run([this, i] { engine_.CustomScanCommand(ctx_.custom_strings[i]); }); });
  }
  actions_.custom_menu->addSeparator();
  actions_.custom_cancel = actions_.custom_menu->addAction("Cancel");

  connect(actions_.scan, &QAction::triggered, this,
          [this] { Run([this] { engine_.ScanCommand(); }); });
  connect(actions_.dir_all, &QAction::triggered, this,
          [this] { Run([this] { engine_.DirAllCommand(); }); });
  // The directory menus scan the directory as the criteria stand, without the Scan command's
  // own steps.
  connect(actions_.tree_scan, &QAction::triggered, this,
          [this] { Run([this] { engine_.StartScan(); }); });
  connect(actions_.stop, &QAction::triggered, this, [this] { engine_.StopCommand(); });
  // A released button means AutoScan is on.
  connect(actions_.auto_scan, &QAction::toggled, this,
          [this](bool pressed) { ctx_.scan.state.AutoScan = !pressed; });
  connect(actions_.reset_criteria, &QAction::triggered, this, [this] {
    if (!engine_.Running()) ctx_.reset_criteria();
  });
}

void ScanCommands::Register(CommandRegistry& commands) {
  commands.Register("scan.scan", actions_.scan);
  commands.Register("scan.stop", actions_.stop);
  commands.Register("scan.dir_all", actions_.dir_all);
  commands.Register("scan.auto_scan", actions_.auto_scan);
  commands.Register("tree.scan", actions_.tree_scan);
  commands.Register("options.reset_criteria", actions_.reset_criteria);
  commands.Add("scan.rescan", "Scan", {}, [this] { Run([this] { engine_.RescanCommand(); }); });
}

void ScanCommands::Run(const std::function<void()>& command) {
  // A command that arrives while a run polls events would run inside it; it is dropped.
  if (engine_.Running()) return;
  command();
  ctx_.after_command();
}

void ScanCommands::ScanEnterKey() {
  Run([this] { engine_.ScanEnterKey(); });
}

void ScanCommands::SetEnabled(bool on) {
  for (QAction* action : {actions_.scan, actions_.dir_all, actions_.tree_scan}) {
    action->setEnabled(on);
  }
  actions_.custom_menu->setEnabled(on);
  actions_.reset_criteria->setEnabled(on);
}

void ScanCommands::ShowCustomStrings() {
  for (std::size_t i = 0; i < actions_.custom.size(); ++i) {
    actions_.custom[i]->setText(ToQt(ctx_.custom_strings[i]));
  }
}

void ScanCommands::ShowAutoScan(bool on) { actions_.auto_scan->setChecked(!on); }

}  // namespace krellix
