#include "output/delimiter_box.h"

#include <QComboBox>

namespace krellix {
namespace {

struct DelimiterEntry {
  const char* caption;
  const char* separator;
};
constexpr DelimiterEntry kEntries[] = {{"TAB", "\t"}, {"COMMA", ","}, {"Version-0.3", "  "}};

}  // namespace

void DelimiterBox::AddEntries(QComboBox* box) {
  for (const DelimiterEntry& e : kEntries) box->addItem(QString::fromLatin1(e.caption));
}

void DelimiterBox::Show(QComboBox* box, std::string separator) {
  box->setCurrentIndex(-1);
  box->setEditText(separator_.Show(std::move(separator)));
}

std::string DelimiterBox::Separator(const QComboBox* box) const {
  const QString text = box->currentText();
  for (const DelimiterEntry& e : kEntries) {
    if (text == QLatin1String(e.caption)) return e.separator;
  }
  return separator_.From(text);
}

}  // namespace krellix
