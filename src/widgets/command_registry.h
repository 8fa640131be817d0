#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <vector>

class QAction;
class QMenu;
class QObject;
class QToolBar;

namespace krellix {

// Which selections of the item list a command acts on. The rule is applied while a menu that
// shows the command is open; closed, every registered command answers its keys and reports an
// empty selection itself.
enum class SelectionRule { kAny, kExactlyOne, kOneOrMore };

// One place of a menu or tool bar: a command id with the caption and keys it shows when no
// group has registered the id yet, or a separator (id "-"), or a sub-menu (id ">" opens it,
// caption is its title; "<" closes it).
struct MenuEntry {
  const char* id;
  const char* caption = "";
  const char* keys = "";
};

// The main window's commands by id. Each command group registers the actions it owns, with
// their enabling rule; menus, context menus and tool bars are then filled from layout tables.
// An id no group has registered shows as a disabled entry (made once, shared by every place
// that shows it), so the layout can name commands before their work exists.
class CommandRegistry {
 public:
  explicit CommandRegistry(QObject* owner) : owner_(owner) {}

  // Registers `action` under `id` (ids are unique) and returns it.
  QAction* Register(const std::string& id, QAction* action,
                    SelectionRule rule = SelectionRule::kAny);
  // Makes, registers and connects an action.
  QAction* Add(const std::string& id, const QString& caption, const QKeySequence& keys,
               std::function<void()> run, SelectionRule rule = SelectionRule::kAny);

  // The registered action of `id`, or nullptr.
  QAction* Find(const std::string& id) const;
  // The action of `id`: the registered one, else a disabled placeholder.
  QAction* ActionFor(const std::string& id, const QString& caption = {},
                     const QKeySequence& keys = {});

  // Appends the entries to `menu`; sub-menus are created as children of it and returned in
  // order of appearance.
  std::vector<QMenu*> Fill(QMenu* menu, std::span<const MenuEntry> entries);
  void Fill(QToolBar* bar, std::span<const MenuEntry> entries);

  // Enables the commands that have a selection rule by `selected` lines; `open` false gives
  // them all back their keys.
  void ApplySelection(std::size_t selected, bool open);

 private:
  struct Entry {
    QAction* action = nullptr;
    SelectionRule rule = SelectionRule::kAny;
    bool placeholder = false;
  };
  QObject* owner_;
  std::map<std::string, Entry, std::less<>> entries_;
};

}  // namespace krellix
