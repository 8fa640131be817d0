#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace krellix {

class Prompter;

// The "Bookmarks" window: "Current directory:" above a text field, "Current bookmarks:" above
// the list, and "Browse", "Add", "Replace", "Up", "Down", "Delete", "Clear All", "Sort", "OK"
// and "Cancel". The buttons edit the window's own copy of the list; only "OK" hands it back.
class BookmarksDialog final : public QDialog {
  Q_OBJECT

 public:
  // `prompter` gives the directory picker of "Browse".
  explicit BookmarksDialog(Prompter& prompter, QWidget* parent = nullptr);

  // Fills the window: the text field with `current_dir` (and the focus), the list with
  // `bookmarks`; "Add" keeps at most `favourites_size` entries.
  void Fill(const std::string& current_dir, const std::vector<std::string>& bookmarks,
            int favourites_size);
  // Fills the window and runs it modally: on "OK" the list with a trailing delimiter on every
  // entry, on "Cancel" (or Esc) nothing.
  std::optional<std::vector<std::string>> Edit(const std::string& current_dir,
                                               const std::vector<std::string>& bookmarks,
                                               int favourites_size);

  // The window's copy of the list as it stands, and the selected entry (-1 for none).
  const std::vector<std::string>& Entries() const { return entries_; }
  int Selected() const;
  // The text field as bytes.
  std::string FieldText() const;
  // The list with a trailing delimiter on every entry: what "OK" confirms.
  std::vector<std::string> ConfirmedEntries() const;

 private:
  void BrowseClick();
  void AddClick();
  void ReplaceClick();
  void MoveClick(bool up);
  void DeleteClick();
  void ClearAllClick();
  void SortClick();
  // Shows the entries again with `selected` selected (-1 for none).
  void ShowEntries(int selected);
  QPushButton* Button(const char* caption, const char* name);

  Prompter& prompter_;
  QLineEdit* dir_ = nullptr;
  QListWidget* list_ = nullptr;
  std::vector<std::string> entries_;
  std::string current_dir_;
  int favourites_size_ = 17;
  bool showing_ = false;
};

}  // namespace krellix
