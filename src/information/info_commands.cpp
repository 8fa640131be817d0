#include "information/info_commands.h"

#include <QAction>
#include <QKeySequence>

#include "information/info_tab.h"
#include "information/info_windows.h"
#include "information/information.h"
#include "itemlist/item_list.h"
#include "platform/clock.h"
#include "scan/scan_state.h"
#include "widgets/command_registry.h"

namespace krellix {

InfoCommands::InfoCommands(Context context, QWidget* parent)
    : QObject(parent), ctx_(std::move(context)), parent_(parent) {}

void InfoCommands::Register(CommandRegistry& commands) {
  commands.Add("info.show", "Info", {}, [this] { ShowInformation(); });
  commands.Add(
      "items.file_info", "File info...", QKeySequence("Alt+F"), [this] { FileInfo(); },
      SelectionRule::kOneOrMore);
  commands.Add("info.drive", "Drive info...", {}, [this] { DriveInfo(); });
}

void InfoCommands::FillTab() {
  const ScanStatistics* counted = nullptr;
  // In scan-to-file mode the list holds no results to count.
  if (!ctx_.state.ScanToFile) {
    ctx_.stats = CalcStats(ctx_.items, ctx_.clock.Now());
    counted = &ctx_.stats;
  }
  ctx_.tab->ShowLines(InfoTab::kItemList, ItemListInformation(counted, ctx_.locale));
  ctx_.tab->ShowLines(InfoTab::kEnvironment,
                      EnvironmentInformation(ctx_.paths, ctx_.startup, ctx_.output_names()));
}

void InfoCommands::ShowInformation() {
  // Showing the tab fills it; a tab already shown is filled again.
  if (ctx_.tab_showing()) {
    FillTab();
  } else {
    ctx_.show_tab();
  }
}

void InfoCommands::FileInfo() {
  FileInfoWindow window(FileInformation(TotalsOfSelection(ctx_.items), ctx_.locale), parent_);
  window.exec();
}

void InfoCommands::DriveInfo() {
  const DriveFacts drive = ReadDriveFacts(ctx_.drive_mount(), ctx_.current_dir, ctx_.volumes);
  DriveInfoWindow window(DriveInformation(drive, ctx_.locale), parent_);
  window.exec();
}

}  // namespace krellix
