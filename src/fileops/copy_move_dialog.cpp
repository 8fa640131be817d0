#include "fileops/copy_move_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

#include "fileops/destination_list.h"
#include "navigation/directory_path.h"
#include "navigation/directory_tree_model.h"
#include "navigation/drive_box.h"
#include "navigation/shown_path.h"
#include "output/file_name_checks.h"
#include "platform/prompter.h"
#include "widgets/screen_fit.h"

namespace krellix {
namespace {

QLineEdit* DigitField(const char* name, const char* text, int max_digits) {
  auto* field = new QLineEdit(text);
  field->setObjectName(name);
  field->setMaxLength(max_digits);
  field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
  return field;
}

QLineEdit* TextField(const char* name) {
  auto* field = new QLineEdit;
  field->setObjectName(name);
  return field;
}

QCheckBox* CheckBox(const char* name, const QString& caption) {
  auto* box = new QCheckBox(caption);
  box->setObjectName(name);
  return box;
}

QPushButton* Button(const char* name, const char* caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// The "Rename during" texts hold only characters a name may hold. "Old:" and "New:" count only
// when they differ: by default both hold the current item's own name, which on this system may
// hold any of those characters, and then they replace nothing.
bool ValidRenameTexts(const RenameDuring& rules) {
  const bool replaces = rules.old_text != rules.new_text;
  return (!replaces ||
          (ValidFileNameChars(rules.old_text) && ValidFileNameChars(rules.new_text))) &&
         ValidFileNameChars(rules.prefix) && ValidFileNameChars(rules.suffix);
}

}  // namespace

CopyMoveDialog::CopyMoveDialog(Shared shared, QWidget* parent) : QDialog(parent), shared_(shared) {
  setObjectName("copyMoveDialog");
  setWindowTitle(QString::fromStdString(title_));
  auto* layout = new QVBoxLayout(this);

  split_ = new QSplitter(Qt::Horizontal);
  split_->setObjectName("copyMoveSplitter");
  split_->addWidget(BuildTreePane());
  split_->addWidget(BuildOptionsPane());
  // A wider window widens the options; the tree keeps its width.
  split_->setStretchFactor(0, 0);
  split_->setStretchFactor(1, 1);
  split_->setChildrenCollapsible(false);
  layout->addWidget(split_, 1);

  auto* buttons = new QHBoxLayout;
  QPushButton* help = Button("help", "Help");
  QPushButton* ok = Button("ok", "OK");
  QPushButton* cancel = Button("cancel", "Cancel");
  ok->setDefault(true);
  buttons->addWidget(help);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);
  resize(640, 460);
  pending_split_ = shared_.splitter;

  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(kHelpTopic); });
  connect(ok, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* CopyMoveDialog::BuildTreePane() {
  auto* pane = new QWidget;
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);
  drives_ = new QComboBox;
  drives_->setObjectName("driveBox");
  connect(drives_, &QComboBox::activated, this, [this](int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < mounts_.size()) {
      OpenInTree(mounts_[static_cast<std::size_t>(index)].path, true);
    }
  });
  layout->addWidget(drives_);
  tree_ = new QTreeView;
  tree_->setObjectName("directoryTree");
  tree_->header()->hide();
  tree_->setUniformRowHeights(true);
  layout->addWidget(tree_, 1);
  return pane;
}

QWidget* CopyMoveDialog::BuildOptionsPane() {
  auto* pane = new QWidget;
  auto* layout = new QVBoxLayout(pane);
  layout->setContentsMargins(0, 0, 0, 0);

  auto* address_row = new QHBoxLayout;
  address_row->addWidget(new QLabel("Address:"));
  address_box_ = new QComboBox;
  address_box_->setObjectName("address");
  address_box_->setEditable(true);
  address_box_->setInsertPolicy(QComboBox::NoInsert);
  address_box_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  address_row->addWidget(address_box_, 1);
  layout->addLayout(address_row);

  bookmark_box_ = new QComboBox;
  bookmark_box_->setObjectName("bookmarks");
  connect(bookmark_box_, &QComboBox::activated, this, [this](int index) { BookmarkChosen(index); });
  layout->addWidget(bookmark_box_);

  full_path_ = CheckBox("fullPath", "Copy full path");
  replace_ = CheckBox("replace", "Replace existing files ");
  skip_ = CheckBox("skip", "Skip existing files");
  rename_ = CheckBox("rename", "Rename during Copy");
  rename_->setToolTip("Rename during copy/move ");
  connect(replace_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) skip_->setChecked(false);
  });
  connect(skip_, &QCheckBox::toggled, this, [this](bool on) {
    if (on) replace_->setChecked(false);
  });
  connect(rename_, &QCheckBox::toggled, this,
          [this](bool on) { rename_controls_->setEnabled(on); });
  for (QCheckBox* box : {full_path_, replace_, skip_, rename_}) layout->addWidget(box);

  layout->addWidget(BuildRenameControls());

  banner_ = new QLabel("Invalid characters found, re-enter");
  banner_->setObjectName("banner");
  banner_->setStyleSheet("color: red; font-weight: bold;");
  banner_->hide();
  layout->addWidget(banner_);
  layout->addStretch(1);
  return pane;
}

QWidget* CopyMoveDialog::BuildRenameControls() {
  rename_controls_ = new QWidget;
  rename_controls_->setObjectName("renameControls");
  rename_controls_->setEnabled(false);
  auto* grid = new QGridLayout(rename_controls_);
  grid->setContentsMargins(0, 0, 0, 0);

  old_ = TextField("old");
  new_ = TextField("new");
  prefix_ = TextField("prefix");
  suffix_ = TextField("suffix");
  grid->addWidget(new QLabel("Old:"), 0, 0);
  grid->addWidget(old_, 0, 1, 1, 3);
  grid->addWidget(new QLabel("New:"), 1, 0);
  grid->addWidget(new_, 1, 1, 1, 3);
  grid->addWidget(new QLabel("Prefix:"), 2, 0);
  grid->addWidget(prefix_, 2, 1, 1, 3);
  grid->addWidget(new QLabel("Suffix:"), 3, 0);
  grid->addWidget(suffix_, 3, 1, 1, 3);

  auto radio = [](const char* name, const char* caption, const char* hint) {
    auto* button = new QRadioButton(caption);
    button->setObjectName(name);
    button->setToolTip(hint);
    return button;
  };
  number_skip_ = radio("numberSkip", "Skip", "Do not add number");
  number_prefix_ = radio("numberPrefix", "Prefix", "Insert number before filename");
  number_suffix_ = radio("numberSuffix", "Suffix", "Append number after filename");
  number_skip_->setChecked(true);
  grid->addWidget(new QLabel("Number:"), 4, 0);
  grid->addWidget(number_skip_, 4, 1);
  grid->addWidget(number_prefix_, 4, 2);
  grid->addWidget(number_suffix_, 4, 3);

  start_ = DigitField("start", "1", 6);
  step_ = DigitField("step", "1", 6);
  zero_fill_ = DigitField("zeroFill", "3", 2);
  auto* numbers = new QHBoxLayout;
  numbers->addWidget(new QLabel("Start:"));
  numbers->addWidget(start_);
  numbers->addWidget(new QLabel("Step:"));
  numbers->addWidget(step_);
  numbers->addWidget(new QLabel("Zero fill:"));
  numbers->addWidget(zero_fill_);
  grid->addLayout(numbers, 5, 0, 1, 4);

  separator_on_ = CheckBox("separatorOn", "Separator ");
  separator_on_->setToolTip("Add separator text between numbers and filename");
  separator_ = TextField("separator");
  grid->addWidget(separator_on_, 6, 0);
  grid->addWidget(separator_, 6, 1, 1, 3);
  return rename_controls_;
}

void CopyMoveDialog::ReadDirectories() {
  mounts_ = DriveMountPoints();
  FillDriveBox(*drives_, mounts_, shared_.volumes);
  DirectoryTreeModel* old = dirs_;
  dirs_ = new DirectoryTreeModel(this);
  QItemSelectionModel* old_selection = tree_->selectionModel();
  tree_->setModel(dirs_);
  delete old_selection;
  delete old;
  connect(tree_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { TreeDirectoryChanged(current); });
}

void CopyMoveDialog::OpenInTree(const std::string& dir, bool follow) {
  follow_tree_ = follow;
  ShowDirectoryIn(*drives_, *tree_, *dirs_, mounts_, dir);
  follow_tree_ = true;
}

void CopyMoveDialog::TreeDirectoryChanged(const QModelIndex& current) {
  if (!current.isValid()) return;
  tree_dir_ = dirs_->PathOf(current);
  if (follow_tree_) SetAddress(WithTrailingDelim(tree_dir_));
}

void CopyMoveDialog::SetAddress(const std::string& bytes) {
  address_box_->setEditText(address_.Show(bytes));
}

std::string CopyMoveDialog::Address() const {
  const QString text = address_box_->currentText();
  return text == address_.shown ? address_.bytes : BytesOfShown(text, destinations_);
}

void CopyMoveDialog::ShowDestinations() {
  const QString text = address_box_->currentText();
  const QSignalBlocker block(address_box_);
  address_box_->clear();
  for (const std::string& dest : destinations_) address_box_->addItem(PathToQt(dest));
  address_box_->setEditText(text);
}

void CopyMoveDialog::BookmarkChosen(int index) {
  if (index <= 0 || static_cast<std::size_t>(index) > bookmarks_.size()) return;
  const std::string& bookmark = bookmarks_[static_cast<std::size_t>(index) - 1];
  OpenInTree(TreeForm(bookmark, tree_dir_.empty() ? "/" : tree_dir_), false);
  SetAddress(bookmark);
}

void CopyMoveDialog::Prepare(const CopyMoveValues& values,
                             const std::vector<std::string>& bookmarks,
                             const std::string& tree_dir) {
  title_ = values.title;
  const QString title = QString::fromStdString(title_);
  setWindowTitle(title);
  full_path_->setText(title + " full path");
  rename_->setText("Rename during " + title);
  old_->setText(old_text_.Show(values.rules.old_text));
  new_->setText(new_text_.Show(values.rules.new_text));

  bookmarks_ = bookmarks;
  bookmark_box_->clear();
  bookmark_box_->addItem("[-- Select from Bookmarks --]");
  for (const std::string& bookmark : bookmarks_) bookmark_box_->addItem(PathToQt(bookmark));

  for (QCheckBox* box : {full_path_, replace_, skip_, rename_, separator_on_}) {
    box->setChecked(false);
  }
  prefix_->clear();
  suffix_->clear();
  number_skip_->setChecked(true);
  rename_controls_->setEnabled(false);
  banner_->hide();

  // The tree reads the disk afresh, so directories made since the last opening show up.
  ReadDirectories();
  const std::string cwd = TreeForm(CurrentDirectory(), "/");
  if (!opened_before_) SetAddress(tree_dir);
  OpenInTree(cwd, opened_before_ && cwd != tree_dir_);

  if (shared_.save_place) {
    const WindowPlace& place = shared_.place;
    if (place.width > 0) {
      setGeometry(WithSizeOnDesktop(QRect(place.left, place.top, place.width, place.height)));
    }
    pending_split_ = shared_.splitter;
  }
  opened_before_ = true;
}

bool CopyMoveDialog::Run(CopyMoveValues& values, const std::vector<std::string>& bookmarks,
                         const std::string& tree_dir) {
  Prepare(values, bookmarks, tree_dir);
  if (exec() != QDialog::Accepted) return false;
  values = Values();
  return true;
}

CopyMoveValues CopyMoveDialog::Values() const {
  CopyMoveValues v;
  v.title = title_;
  v.destination = Address();
  v.full_path = full_path_->isChecked();
  v.replace = replace_->isChecked();
  v.skip = skip_->isChecked();
  v.rename = rename_->isChecked();
  v.rules.old_text = old_text_.From(old_->text());
  v.rules.new_text = new_text_.From(new_->text());
  v.rules.prefix = PathFromQt(prefix_->text());
  v.rules.suffix = PathFromQt(suffix_->text());
  v.rules.number = number_prefix_->isChecked()   ? NumberPlace::kPrefix
                   : number_suffix_->isChecked() ? NumberPlace::kSuffix
                                                 : NumberPlace::kSkip;
  v.rules.use_separator = separator_on_->isChecked();
  v.rules.separator = PathFromQt(separator_->text());
  v.start = FromQt(start_->text());
  v.step = FromQt(step_->text());
  v.zero_fill = FromQt(zero_fill_->text());
  bool digits = false;
  const int zero_fill = zero_fill_->text().toInt(&digits);
  if (digits) v.rules.zero_fill = zero_fill;
  return v;
}

void CopyMoveDialog::OkClick() {
  const CopyMoveValues v = Values();
  // Without "Rename during" the texts change no name, so they cannot be wrong.
  if (v.rename && !ValidRenameTexts(v.rules)) {
    banner_->show();
    return;
  }
  Prompter& prompter = shared_.prompter;
  if (v.destination.empty()) {
    prompter.ShowMessage(MessageKind::kWarning, "Enter a destination directory in the address box");
    return;
  }
  const std::string dest = WithTrailingDelim(v.destination);
  SetAddress(dest);
  // A directory that cannot be made here (a missing parent, say) may still be made by the run
  // itself, which creates every missing level; so the dialog goes on after saying so.
  if (!DirectoryExists(dest) &&
      prompter.Ask("Directory does not exist, create it ?", Buttons::kYesNo) == Answer::kYes &&
      !CreateDirectory(dest)) {
    prompter.ShowMessage(MessageKind::kError, "Cannot create directory: " + dest);
  }
  AddDestination(destinations_, dest, shared_.address_size);
  ShowDestinations();
  banner_->hide();
  accept();
}

void CopyMoveDialog::done(int result) {
  const QRect shown = geometry();
  shared_.place = {shown.top(), shown.left(), shown.height(), shown.width()};
  shared_.splitter = split_->sizes().value(0);
  QDialog::done(result);
}

void CopyMoveDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (pending_split_ < 0) return;
  const int rest = split_->width() - split_->handleWidth() - pending_split_;
  split_->setSizes({pending_split_, rest > 0 ? rest : 1});
  pending_split_ = -1;
  tree_->scrollTo(tree_->currentIndex());
}

}  // namespace krellix
