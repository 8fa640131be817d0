#pragma once

#include <QScrollArea>
#include <vector>

#include "information/information.h"

class QFormLayout;
class QGroupBox;
class QLabel;

namespace krellix {

// The "Info" tab: the item list group and the environment group, each a column of captions
// with their values. It only shows what it is given (see Information2Click).
class InfoTab final : public QScrollArea {
  Q_OBJECT

 public:
  enum Group { kItemList, kEnvironment };

  explicit InfoTab(QWidget* parent = nullptr);

  // Shows `lines` in `group`, replacing what it showed.
  void ShowLines(Group group, const std::vector<InfoLine>& lines);

  // The value shown after `caption`; a null string when no line has that caption.
  QString Value(const QString& caption) const;
  QString GroupTitle(Group group) const;

 private:
  struct Shown {
    QGroupBox* box = nullptr;
    QFormLayout* form = nullptr;
    std::vector<std::pair<QLabel*, QLabel*>> labels;  // caption, value
  };

  Shown groups_[2];
};

}  // namespace krellix
