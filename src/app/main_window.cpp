#include "app/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/criteria_panel.h"
#include "app/directory_panel.h"
#include "app/list_panel.h"
#include "app/qt_prompter.h"
#include "widgets/qt_text.h"
#include "app/startup_defaults.h"
#include "itemlist/item_list_view.h"
#include "navigation/directory_path.h"
#include "navigation/list_commands.h"
#include "platform/file_system.h"

namespace krellix {
namespace {

constexpr int kDirPaneWidth = 210;
constexpr int kWindowWidth = 720;
constexpr int kWindowHeight = 560;
constexpr int kPreviewBar = 25;

std::unique_ptr<Prompter> OwnPrompter(Prompter* given, QWidget* window) {
  if (given != nullptr) return nullptr;
  return std::make_unique<QtPrompter>(window);
}

}  // namespace

TForm1::TForm1(const std::vector<std::string>& args, Prompter* prompter,
               OutputDialogs* output_dialogs, QWidget* parent)
    : QMainWindow(parent),
      own_prompter_(OwnPrompter(prompter, this)),
      prompter_(prompter != nullptr ? *prompter : *own_prompter_),
      engine_({criteria_, state_, stats_, items_, include_list_, exclude_list_, *this, prompter_,
               log_, clock_}),
      current_dir_(TreeForm(CurrentDirectory(), "/")) {
  CreatePanels();
  CreateActions();
  CreateMenus();
  CreateToolBar();
  ConnectScanCommands();
  CreateOutputWriter(output_dialogs);
  ConnectOutputCommands();
  ConnectNavigationCommands();
  RegisterKeyCommands();
  qApp->installEventFilter(this);
  FormCreate(args);
}

TForm1::~TForm1() {
  // The log may outlive no view: its hooks point into this window.
  log_.on_line_added = nullptr;
  log_.on_cleared = nullptr;
}

void TForm1::CreatePanels() {
  directory_panel_ = new DirectoryPanel(include_list_, exclude_list_);
  criteria_panel_ = new CriteriaPanel(criteria_, clock_);
  list_panel_ = new ListPanel(items_);

  auto* right = new QWidget;
  auto* right_layout = new QVBoxLayout(right);
  right_layout->setContentsMargins(0, 0, 0, 0);
  right_layout->addWidget(criteria_panel_);
  right_layout->addWidget(list_panel_, 1);
  criteria_panel_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);

  splitter_ = new QSplitter(Qt::Horizontal);
  splitter_->addWidget(directory_panel_);
  splitter_->addWidget(right);
  splitter_->setStretchFactor(1, 1);
  splitter_->setChildrenCollapsible(false);
  setCentralWidget(splitter_);

  status_ = new QLabel;
  status_->setObjectName("statusLine");
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  statusBar()->addWidget(status_, 1);

  log_.on_line_added = [this](const std::string& line) { list_panel_->AppendLogLine(line); };
  log_.on_cleared = [this] { list_panel_->ClearLog(); };

  ConnectDirectoryPane();
  // Lines wider than the list stay reachable whatever its width becomes.
  connect(list_panel_->ItemView(), &ItemListView::resized, this, [this] {
    if (state_.MaxListWidth > ItemListWidth()) {
      list_panel_->ItemView()->SetScrollWidth(state_.MaxListWidth + 8);
    }
  });
  directory_panel_->RebuildDrives(engine_.Volumes());
  directory_panel_->ShowDirectory(current_dir_);
  ResetWindowSize();
}

void TForm1::ResetWindowSize() {
  resize(kWindowWidth, kWindowHeight);
  splitter_->setSizes({kDirPaneWidth, kWindowWidth - kDirPaneWidth});
}

void TForm1::FormCreate(const std::vector<std::string>& args) {
  CloseDown = false;
  setWindowTitle(QString("Krellix ") + kVersion);
  log_.Clear();
  log_.AddLogLine(std::string("Krellix=") + kVersion + " - " + kCopyright);

  state_.AutoScan = false;
  state_.ScanToFile = false;
  state_.ScanIncList = false;
  state_.RetrieveVolumename = true;
  startup_ = ParseCommandLine(args);
  for (const std::string& line : startup_.log_lines) log_.AddLogLine(line);
  if (startup_.ScanToFile) {
    state_.ScanToFile = true;
    ApplyScanToFileMode();
  }

  criteria_panel_->ShowScanTab();
  directory_panel_->ShowPane(DirPane::kTree);
  list_panel_->Show(ListPanel::kItems);
  criteria_panel_->ScanBox()->setFocus();

  paths_ = ResolveEnvironmentPaths(startup_.StartUpDir, GetSpecialFolders());
  ApplyBuiltInDefaults(settings_, state_);
  settings_.output.SaveName = paths_.SaveName;

  SetScanText("*.*");
  history_.Assign(DefaultScanStrings());
  criteria_panel_->SetHistory(history_.Entries());

  SetDefaults(true, "");
  CreateConfigurationDialog();
  CreateTrayIcon();

  // The preview pane is as high as the panel is wide, plus its button strip; collapsed to the
  // strip while previews are off.
  directory_panel_->SetPreviewHeight(settings_.ShowPreview ? kDirPaneWidth + kPreviewBar
                                                           : kPreviewBar);

  log_.AddLogLine("Initialization=Complete");
  log_.AddLogLine("Initial_directory=" + TreeDirectory());
  if (state_.AutoScan) {
    log_.AddLogLine("Initial_autoScan=" + criteria_.scan_text);
    state_.SkipSubDir = true;
    RunScanCommand([this] { engine_.ScanCommand(); });
  }
}

void TForm1::ApplyScanToFileMode() {
  actions_.items_menu->menuAction()->setEnabled(false);
  state_.SortOutput = '-';
  items_.SetSorted(false);
  list_panel_->SetItemMenuEnabled(false);
  actions_.auto_scan->setChecked(false);
  actions_.auto_scan->setEnabled(false);
  criteria_panel_->AppendBox()->setChecked(false);
  criteria_panel_->AppendBox()->setEnabled(false);
}

void TForm1::SetDefaults(bool create, const std::string& file_name) {
  SetScanText("*.*");
  ShowStatus(kCopyright);
  items_.SetSorted(true);
  items_.Clear();
  list_panel_->ItemView()->Refresh();
  ClearRenameBox();
  stats_ = ScanStatistics();
  stats_.YoungestDate = FormatIsoDate(clock_.Now());
  state_.MaxListLength = 0;
  state_.MaxListWidth = ItemListWidth();
  state_.MaxItems = state_.ItemLimit;

  ResetSelectionCriteria(criteria_, clock_.Now());
  criteria_panel_->Refresh();
  state_.ScanString = false;
  state_.SkipSubDir = false;
  state_.ScanFolderAll = false;
  if (!state_.ScanToFile) state_.SortOutput = 'P';
  if (state_.SortOutput == '-') items_.SetSorted(false);

  if (!startup_.SkipIni) ReadSettingsFile(create, file_name);
  criteria_panel_->Refresh();
  ApplyPreferences();
  list_commands_->LoadListFiles();

  const std::string start = settings_.SaveDir ? paths_.mruDir : paths_.DefaultDir;
  if (!SetTreeDirectory(start) && !SetTreeDirectory(paths_.DefaultDir)) {
    SetTreeDirectory(std::string(1, kPathDelim));
  }

  state_.MaxListWidth = ItemListWidth();
  state_.AutoScan = settings_.tempAutoScan;
  if (!state_.ScanToFile) actions_.auto_scan->setChecked(!settings_.tempAutoScan);
}

void TForm1::ApplyPreferences() {
  criteria_panel_->SetAutoComplete(settings_.ComboComp);
  ShowScanHistory();
  actions_.show_hints->setChecked(settings_.ShowHints);
  actions_.show_rename->setChecked(settings_.ShowRename);
  actions_.show_preview->setChecked(settings_.ShowPreview);
  for (std::size_t i = 0; i < actions_.custom.size(); ++i) {
    actions_.custom[i]->setText(ToQt(settings_.CustOpt[i]));
  }
  const ConfirmOptions& c = settings_.confirm;
  const bool marks[] = {c.delete_directory, c.rename_directory,    c.purge_file, c.delete_file,
                        c.rename_file,      c.preview_rename_file, c.attrib_file};
  for (std::size_t i = 0; i < actions_.confirm.size(); ++i)
    actions_.confirm[i]->setChecked(marks[i]);
}

QString TForm1::StatusText() const { return status_->text(); }

void TForm1::closeEvent(QCloseEvent* event) {
  if (engine_.Running()) {
    // The run polls events from inside this window's code; it ends first, then the window.
    state_.CancelStopEsc = true;
    close_pending_ = true;
    event->ignore();
    return;
  }
  if (!CloseDown) FormCloseQuery();
  QMainWindow::closeEvent(event);
}

}  // namespace krellix
