#pragma once

// The controls of the configuration dialog: built in configuration_tabs.cpp, given their
// behaviour in configuration_dialog.cpp.

#include <QLineEdit>
#include <QString>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "itemlist/item_entry.h"
#include "output/delimiter_box.h"
#include "settings/configuration_dialog.h"
#include "widgets/qt_text.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QRadioButton;

namespace krellix {

inline constexpr const char* kKbytes = "Kbytes";
inline constexpr const char* kBytes = "bytes";

// A line edit for bytes, such as a path, that may not be UTF-8. While its text is not edited
// the bytes come back unchanged, so such a path survives a showing of the dialog.
struct ConfigurationDialog::BytesField {
  QLineEdit* edit = nullptr;
  ShownBytes bytes;

  void Set(std::string b) { edit->setText(bytes.Show(std::move(b))); }
  std::string Get() const { return bytes.From(edit->text()); }
};

struct ConfigurationDialog::Controls {
  // A check box and the member it maps to.
  struct CheckBinding {
    QCheckBox* box;
    bool& (*member)(ConfigValues&);
  };
  // One check box to build: caption, object name, member, hint; `switched` when "Hints"
  // switches that hint.
  struct CheckRow {
    const char* caption;
    const char* name;
    bool& (*member)(ConfigValues&);
    const char* hint = nullptr;
    bool switched = false;
  };

  // The item orders of the five sort choices, in their order on the tab.
  static constexpr std::array<ItemOrder, 5> kSortOrders = {
      ItemOrder::kFile, ItemOrder::kPath, ItemOrder::kSize, ItemOrder::kDate, ItemOrder::kArrival};

  // Builds the tabs and the buttons below them into `dialog`; returns the tab widget.
  QTabWidget* Build(QDialog* dialog);
  std::array<QLineEdit*, 3> Entries() const {
    return {favourites_size, address_size, history_size};
  }

  // Every check box bound to a member (all but ".CSV settings").
  std::vector<CheckBinding> checks;
  // The controls whose hints "Hints" switches, with their hints.
  std::vector<std::pair<QWidget*, QString>> switched_hints;

  // "Select"
  QComboBox* scan_box = nullptr;
  QButtonGroup* logic = nullptr;
  std::array<QRadioButton*, 3> logic_choices{};  // "Or", "And", "Not"
  QPushButton* min_unit = nullptr;
  QPushButton* max_unit = nullptr;
  // "Scan"
  QLineEdit* item_limit = nullptr;
  QLineEdit* stop_intvl = nullptr;
  QCheckBox* auto_scan = nullptr;
  std::array<QLineEdit*, 5> cust_opt{};
  // "Output"
  QComboBox* output_sep = nullptr;
  DelimiterBox separator;
  BytesField save_name;
  QLineEdit* header2 = nullptr;
  QCheckBox* save_csv = nullptr;
  QCheckBox* quotes = nullptr;
  QCheckBox* titles = nullptr;
  QCheckBox* headers = nullptr;
  QCheckBox* statistics = nullptr;
  QButtonGroup* existing = nullptr;
  QRadioButton* out_append = nullptr;
  QRadioButton* out_replace = nullptr;
  QRadioButton* out_prompt = nullptr;
  QPushButton* font = nullptr;
  QButtonGroup* print = nullptr;
  QRadioButton* print_report = nullptr;
  QRadioButton* print_list = nullptr;
  QButtonGroup* sort = nullptr;
  std::array<QRadioButton*, 5> sort_choices{};  // in the order of kSortOrders
  // "Misc"
  QLineEdit* favourites_size = nullptr;
  QLineEdit* address_size = nullptr;
  QLineEdit* history_size = nullptr;
  QPushButton* clear_bookmarks = nullptr;
  QPushButton* clear_address = nullptr;
  QPushButton* clear_scan = nullptr;
  // "Advanced"
  QLineEdit* ini_name = nullptr;
  QLabel* created = nullptr;
  QLabel* modified = nullptr;
  BytesField default_dir;
  QPushButton* default_dir_browse = nullptr;
  BytesField open_with_dir;
  QPushButton* open_with_dir_browse = nullptr;
  QPushButton* create_ini = nullptr;
  QPushButton* delete_ini = nullptr;
  QPushButton* backup_ini = nullptr;
  QPushButton* save_ini = nullptr;
  QPushButton* load_ini = nullptr;
  // Below the tabs
  QPushButton* help = nullptr;
  QPushButton* cancel = nullptr;
  QPushButton* ok = nullptr;
  QPushButton* reset = nullptr;
  QPushButton* save = nullptr;

 private:
  template <typename W>
  W* Named(W* w, const char* name, const char* hint = nullptr, bool switched = false);
  std::vector<QCheckBox*> Checks(QWidget* parent, std::initializer_list<CheckRow> rows);
  QRadioButton* Radio(QWidget* parent, const char* caption, const char* name, QButtonGroup* group);
  QPushButton* Button(QWidget* parent, const char* caption, const char* name,
                      const char* hint = nullptr, bool switched = false);
  QLineEdit* Edit(QWidget* parent, const char* name, const char* hint = nullptr,
                  bool switched = false);
  QLineEdit* EntriesField(QGroupBox* group, const char* name, QPushButton* clear,
                          std::initializer_list<CheckRow> rows);

  QWidget* SelectTab(QWidget* owner);
  QWidget* ScanTab(QWidget* owner);
  QWidget* ViewTab(QWidget* owner);
  QWidget* OutputTab(QWidget* owner);
  QWidget* MiscTab(QWidget* owner);
  QWidget* AdvancedTab(QWidget* owner);
  QHBoxLayout* ButtonRow(QWidget* owner);
};

}  // namespace krellix
