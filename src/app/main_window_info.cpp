// The "Info" tab and the "File info" and "Drive info" windows of the main window, and the item
// list's command group.
#include <QAction>
#include <QComboBox>
#include "app/directory_panel.h"
#include "app/info_tab.h"
#include "app/info_windows.h"
#include "app/information.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "app/startup_defaults.h"
#include "itemlist/item_list_view.h"

namespace krellix {

void TForm1::CreateItemCommands() {
  item_commands_ = new krellix::ItemCommands(
      {items_, state_, stats_, list_panel_->ItemView(), *this, prompter_, *this,
       [this] { return engine_.Running(); }, kCopyright},
      this);
  item_commands_->Register(commands_);
}

void TForm1::CreateInfoCommands() {
  commands_.Add("items.file_info", "File info...", QKeySequence("Alt+F"), [this] { Totals2Click(); },
                SelectionRule::kOneOrMore);
  QAction* drive_info = commands_.Add("info.drive", "Drive info...", {}, [this] { Driveinfo1Click(); });
  directory_panel_->DriveBox()->addAction(drive_info);
  connect(list_panel_, &QTabWidget::currentChanged, this, [this](int tab) {
    if (tab == ListPanel::kInfo) Information2Click();
  });
}

void TForm1::Information2Click() {
  const ScanStatistics* counted = nullptr;
  // In scan-to-file mode the list holds no results to count.
  if (!state_.ScanToFile) {
    stats_ = CalcStats(items_, clock_.Now());
    counted = &stats_;
  }
  InfoTab* info = list_panel_->InfoView();
  info->ShowLines(InfoTab::kItemList, ItemListInformation(counted, locale_));
  const OutputNames output{Header1, settings_.output.Header2, settings_.output.SaveName};
  info->ShowLines(InfoTab::kEnvironment, EnvironmentInformation(paths_, startup_, output));
}

void TForm1::ShowInformation() {
  // Showing the tab fills it; a tab already shown is filled again.
  if (list_panel_->Showing(ListPanel::kInfo)) {
    Information2Click();
  } else {
    list_panel_->Show(ListPanel::kInfo);
  }
}

void TForm1::Totals2Click() {
  TForm12 window(FileInformation(TotalsOfSelection(items_), locale_), this);
  window.exec();
}

void TForm1::Driveinfo1Click() {
  const DriveFacts drive =
      ReadDriveFacts(directory_panel_->DriveBoxMount(), current_dir_, engine_.Volumes());
  TForm7 window(DriveInformation(drive, locale_), this);
  window.exec();
}

}  // namespace krellix
