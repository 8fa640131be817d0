#pragma once

#include <string>

#include "widgets/qt_text.h"

class QComboBox;

namespace krellix {

// The delimiter box of the output options ("Save as..." and the configuration dialog): an
// editable box with the entries "TAB", "COMMA" and "Version-0.3".
class DelimiterBox {
 public:
  static void AddEntries(QComboBox* box);
  // Shows a separator as its own text, no entry selected.
  void Show(QComboBox* box, std::string separator);
  // The separator the box stands for: a chosen entry's (a tab, "," or two blanks), else the
  // text, byte for byte as shown while it is not edited.
  std::string Separator(const QComboBox* box) const;

 private:
  ShownBytes separator_;
};

}  // namespace krellix
