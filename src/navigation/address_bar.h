#pragma once

#include <QToolBar>
#include <string>
#include <vector>

class QAction;
class QComboBox;

namespace krellix {

// The address bar: the tool buttons that move the current directory ("Previous directory",
// "Next directory", "Up one level", "Root directory", "Browse directories"), the label
// "Address", the editable address field with the history drop-down, and "Clear address bar".
//
// The bar only shows and reports; the main window moves the directory and fills the bar.
class AddressBar final : public QToolBar {
  Q_OBJECT

 public:
  explicit AddressBar(QWidget* parent = nullptr);

  QAction* PreviousAction() const { return previous_; }
  QAction* NextAction() const { return next_; }
  QAction* UpAction() const { return up_; }
  QAction* RootAction() const { return root_; }
  QAction* BrowseAction() const { return browse_; }
  QAction* ClearAction() const { return clear_; }
  QComboBox* Field() const { return field_; }

  // The field's text as bytes; text that reads as one of `known` gives that path's bytes.
  std::string Text(const std::vector<std::string>& known) const;
  void SetText(const std::string& path);
  // Fills the drop-down with `entries` (newest first); the field's text stays.
  void SetEntries(const std::vector<std::string>& entries);
  // "Clear address bar": an empty field with the input focus.
  void ClearField();

 signals:
  // Enter in the field; the key goes no further.
  void addressEntered();
  // A drop-down entry was chosen; `index` counts in the entries last set.
  void entryChosen(int index);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* previous_ = nullptr;
  QAction* next_ = nullptr;
  QAction* up_ = nullptr;
  QAction* root_ = nullptr;
  QAction* browse_ = nullptr;
  QAction* clear_ = nullptr;
  QComboBox* field_ = nullptr;
};

}  // namespace krellix
