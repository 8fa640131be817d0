#pragma once

#include <QDialog>
#include <array>
#include <functional>

class QCheckBox;
class QRadioButton;

namespace krellix {

struct AppSettings;

// The "Print" dialog: the group " Output " with "Include Volume", "Include Pathname",
// "Include FileSize", "Include FileDate", the choice "Report" / "List" and "Font"; Help, OK and
// Cancel. Fixed in size. Every opening shows the current values; OK stores the six of them,
// Cancel none. "Font" acts at once, whatever the dialog is closed with.
class PrintDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit PrintDialog(QWidget* parent = nullptr);

  // Fills the controls from `settings` and runs the dialog modally; on OK stores them back and
  // returns true.
  bool Execute(AppSettings& settings);
  void Load(const AppSettings& settings);
  void Store(AppSettings& settings) const;

  // What "Font" does: the printer font's dialog.
  std::function<void()> choose_font;

  static constexpr int kHelpTopic = 2130;

 signals:
  // Help was asked for, with the help topic of this dialog.
  void helpRequested(int topic);

 private:
  // "Include Volume", "Include Pathname", "Include FileSize", "Include FileDate".
  std::array<QCheckBox*, 4> include_{};
  QRadioButton* report_ = nullptr;
  QRadioButton* list_ = nullptr;
};

}  // namespace krellix
