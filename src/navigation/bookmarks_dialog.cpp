#include "navigation/bookmarks_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "navigation/bookmarks.h"
#include "navigation/shown_path.h"
#include "platform/prompter.h"
#include "widgets/qt_text.h"

namespace krellix {

BookmarksDialog::BookmarksDialog(Prompter& prompter, QWidget* parent)
    : QDialog(parent), prompter_(prompter) {
  setWindowTitle("Bookmarks");
  setObjectName("bookmarksWindow");
  auto* layout = new QVBoxLayout(this);

  layout->addWidget(new QLabel("Current directory:"));
  auto* dir_row = new QHBoxLayout;
  dir_ = new QLineEdit;
  dir_->setObjectName("currentDirectory");
  dir_row->addWidget(dir_, 1);
  dir_row->addWidget(Button("Browse", "browse"));
  layout->addLayout(dir_row);

  layout->addWidget(new QLabel("Current bookmarks:"));
  auto* list_row = new QHBoxLayout;
  list_ = new QListWidget;
  list_->setObjectName("bookmarkList");
  list_row->addWidget(list_, 1);
  auto* side = new QVBoxLayout;
  for (QPushButton* b : {Button("Add", "add"), Button("Replace", "replace"), Button("Up", "up"),
                         Button("Down", "down"), Button("Delete", "delete"),
                         Button("Clear All", "clearAll"), Button("Sort", "sort")}) {
    side->addWidget(b);
  }
  side->addStretch(1);
  list_row->addLayout(side);
  layout->addLayout(list_row, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  QPushButton* ok = Button("OK", "ok");
  ok->setDefault(true);
  bottom->addWidget(ok);
  bottom->addWidget(Button("Cancel", "cancel"));
  layout->addLayout(bottom);
  resize(460, 360);

  connect(findChild<QPushButton*>("browse"), &QPushButton::clicked, this,
          [this] { BrowseClick(); });
  connect(findChild<QPushButton*>("add"), &QPushButton::clicked, this, [this] { AddClick(); });
  connect(findChild<QPushButton*>("replace"), &QPushButton::clicked, this,
          [this] { ReplaceClick(); });
  connect(findChild<QPushButton*>("up"), &QPushButton::clicked, this, [this] { MoveClick(true); });
  connect(findChild<QPushButton*>("down"), &QPushButton::clicked, this,
          [this] { MoveClick(false); });
  connect(findChild<QPushButton*>("delete"), &QPushButton::clicked, this,
          [this] { DeleteClick(); });
  connect(findChild<QPushButton*>("clearAll"), &QPushButton::clicked, this,
          [this] { ClearAllClick(); });
  connect(findChild<QPushButton*>("sort"), &QPushButton::clicked, this, [this] { SortClick(); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(findChild<QPushButton*>("cancel"), &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (showing_ || row < 0 || static_cast<std::size_t>(row) >= entries_.size()) return;
    dir_->setText(PathToQt(entries_[static_cast<std::size_t>(row)]));
  });
}

QPushButton* BookmarksDialog::Button(const char* caption, const char* name) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

void BookmarksDialog::Fill(const std::string& current_dir,
                           const std::vector<std::string>& bookmarks, int favourites_size) {
  current_dir_ = current_dir;
  entries_ = bookmarks;
  favourites_size_ = favourites_size;
  dir_->setText(PathToQt(current_dir));
  ShowEntries(-1);
  dir_->setFocus();
}

std::optional<std::vector<std::string>> BookmarksDialog::Edit(
    const std::string& current_dir, const std::vector<std::string>& bookmarks,
    int favourites_size) {
  Fill(current_dir, bookmarks, favourites_size);
  if (exec() != QDialog::Accepted) return std::nullopt;
  return ConfirmedEntries();
}

int BookmarksDialog::Selected() const {
  const int row = list_->currentRow();
  return list_->currentItem() != nullptr && list_->currentItem()->isSelected() ? row : -1;
}

std::string BookmarksDialog::FieldText() const {
  std::vector<std::string> known = entries_;
  known.push_back(current_dir_);
  return BytesOfShown(dir_->text(), known);
}

std::vector<std::string> BookmarksDialog::ConfirmedEntries() const {
  return bookmark_edit::Confirmed(entries_);
}

void BookmarksDialog::ShowEntries(int selected) {
  showing_ = true;
  list_->clear();
  for (const std::string& entry : entries_) list_->addItem(PathToQt(entry));
  if (selected >= 0 && selected < list_->count()) {
    list_->setCurrentRow(selected);
  } else {
    list_->setCurrentRow(-1);
  }
  showing_ = false;
}

void BookmarksDialog::BrowseClick() {
  const std::optional<std::string> chosen = prompter_.PickDirectory("", FieldText());
  if (chosen) dir_->setText(PathToQt(*chosen));
}

void BookmarksDialog::AddClick() {
  const std::string text = FieldText();
  if (text.empty()) return;
  bookmark_edit::Add(entries_, text, favourites_size_);
  ShowEntries(0);
}

void BookmarksDialog::ReplaceClick() {
  const std::string text = FieldText();
  const int selected = Selected();
  if (text.empty() || selected < 0) return;
  entries_[static_cast<std::size_t>(selected)] = text;
  ShowEntries(selected);
}

void BookmarksDialog::MoveClick(bool up) {
  const int selected = Selected();
  if (selected < 0) return;
  ShowEntries(up ? bookmark_edit::Up(entries_, selected) : bookmark_edit::Down(entries_, selected));
}

void BookmarksDialog::DeleteClick() {
  const int selected = Selected();
  if (selected < 0) return;
  entries_.erase(entries_.begin() + selected);
  ShowEntries(-1);
}

void BookmarksDialog::ClearAllClick() {
  entries_.clear();
  ShowEntries(-1);
}

void BookmarksDialog::SortClick() {
  bookmark_edit::Sort(entries_);
  ShowEntries(-1);
}

}  // namespace krellix
