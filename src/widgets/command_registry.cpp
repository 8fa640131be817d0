#include "widgets/command_registry.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <string_view>

namespace krellix {

QAction* CommandRegistry::Register(const std::string& id, QAction* action, SelectionRule rule) {
  Entry& e = entries_[id];
  e.action = action;
  e.rule = rule;
  e.placeholder = false;
  return action;
}

QAction* CommandRegistry::Add(const std::string& id, const QString& caption,
                              const QKeySequence& keys, std::function<void()> run,
                              SelectionRule rule) {
  auto* action = new QAction(caption, owner_);
  action->setShortcut(keys);
  QObject::connect(action, &QAction::triggered, owner_, [run = std::move(run)] { run(); });
  return Register(id, action, rule);
}

QAction* CommandRegistry::Find(const std::string& id) const {
  const auto it = entries_.find(id);
  return it == entries_.end() || it->second.placeholder ? nullptr : it->second.action;
}

QAction* CommandRegistry::ActionFor(const std::string& id, const QString& caption,
                                    const QKeySequence& keys) {
  Entry& e = entries_[id];
  if (e.action == nullptr) {
    e.action = new QAction(caption, owner_);
    e.action->setShortcut(keys);
    e.action->setEnabled(false);
    e.placeholder = true;
  }
  return e.action;
}

std::vector<QMenu*> CommandRegistry::Fill(QMenu* menu, std::span<const MenuEntry> entries) {
  std::vector<QMenu*> made;
  std::vector<QMenu*> open{menu};
  for (const MenuEntry& entry : entries) {
    const std::string_view id = entry.id;
    if (id == "-") {
      open.back()->addSeparator();
    } else if (id == ">") {
      QMenu* sub = open.back()->addMenu(entry.caption);
      made.push_back(sub);
      open.push_back(sub);
    } else if (id == "<") {
      if (open.size() > 1) open.pop_back();
    } else {
      open.back()->addAction(ActionFor(entry.id, entry.caption, QKeySequence(entry.keys)));
    }
  }
  return made;
}

void CommandRegistry::Fill(QToolBar* bar, std::span<const MenuEntry> entries) {
  for (const MenuEntry& entry : entries) {
    if (std::string_view(entry.id) == "-") {
      bar->addSeparator();
    } else {
      bar->addAction(ActionFor(entry.id, entry.caption, QKeySequence(entry.keys)));
    }
  }
}

void CommandRegistry::ApplySelection(std::size_t selected, bool open) {
  for (auto& [id, e] : entries_) {
    if (e.placeholder || e.rule == SelectionRule::kAny) continue;
    const bool on = !open || (e.rule == SelectionRule::kExactlyOne ? selected == 1 : selected >= 1);
    e.action->setEnabled(on);
  }
}

}  // namespace krellix
