// Every menu, context menu and tool bar entry of the main window with its caption, shortcut,
// check mark and enabled state, for no, one and two selected lines; and what each key of the
// key map does. The whole map is compared with tests/app/command_map.txt, so a change to any
// command's wiring shows up here as a difference to look at.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <QWidgetAction>
#include <QtTest>
#include <algorithm>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include "app/criteria_panel.h"
#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "navigation/address_bar.h"
#include "navigation/directory_panel.h"
#include "platform/scripted_prompter.h"
#include "support/item_lines.h"
#include "support/window_fixture.h"

using namespace krellix;
using krellix::test::TempHome;

namespace {

const char* kProgram = "/opt/krellix/krellix";

QString Describe(const QAction* action) {
  if (action->isSeparator()) return "---";
  QString line = action->text();
  if (!action->shortcut().isEmpty()) {
    line += " [" + action->shortcut().toString(QKeySequence::PortableText) + "]";
  }
  if (action->isCheckable()) line += action->isChecked() ? " (x)" : " ( )";
  if (!action->isEnabled()) line += " -off-";
  if (!action->isVisible()) line += " -hidden-";
  if (!action->toolTip().isEmpty() && action->toolTip() != QString(action->text()).remove('&')) {
    line += " tip:" + action->toolTip();
  }
  return line;
}

// A menu as it shows when opened: its own enabling runs first.
void DumpMenu(QMenu* menu, const QString& indent, QStringList& out) {
  emit menu->aboutToShow();
  for (QAction* action : menu->actions()) {
    out << indent + Describe(action);
    if (action->menu() != nullptr && action->menu() != menu) {
      DumpMenu(action->menu(), indent + "  ", out);
    }
  }
  emit menu->aboutToHide();
}

QString DumpCommands(MainWindow& form) {
  QStringList out;
  out << "menu bar";
  QList<QMenu*> in_bar;
  for (QAction* top : form.menuBar()->actions()) {
    out << "  " + Describe(top);
    if (top->menu() == nullptr) continue;
    in_bar << top->menu();
    for (QAction* sub : top->menu()->actions()) {
      if (sub->menu() != nullptr) in_bar << sub->menu();
    }
    DumpMenu(top->menu(), "    ", out);
  }
  // Tool bars and context menus are listed by content, so their creation order does not count.
  QStringList sections;
  for (QToolBar* bar : form.findChildren<QToolBar*>()) {
    QStringList s{"tool bar " + bar->windowTitle()};
    for (QAction* action : bar->actions()) {
      s << "  " + (bar->widgetForAction(action) != nullptr &&
                           qobject_cast<QWidgetAction*>(action) != nullptr
                       ? QString("(control)")
                       : Describe(action));
    }
    sections << s.join('\n');
  }
  for (QMenu* menu : form.findChildren<QMenu*>()) {
    if (in_bar.contains(menu)) continue;
    QStringList s{"context menu " + menu->title()};
    DumpMenu(menu, "  ", s);
    sections << s.join('\n');
  }
  for (QWidget* w : form.findChildren<QWidget*>()) {
    if (w->contextMenuPolicy() != Qt::ActionsContextMenu || w->actions().isEmpty()) continue;
    QStringList s{QString("actions of a ") + w->metaObject()->className()};
    for (QAction* action : w->actions()) s << "  " + Describe(action);
    sections << s.join('\n');
  }
  sections.sort();
  out << sections;
  return out.join('\n');
}

// Receives what the program hands to the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  UrlCatcher() { QDesktopServices::setUrlHandler("file", this, "Open"); }
  ~UrlCatcher() override { QDesktopServices::unsetUrlHandler("file"); }
  QStringList opened;

 public slots:
  void Open(const QUrl& url) { opened << url.toString(); }
};

QStringList VisibleWindows(const QWidget* main) {
  QStringList titles;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != main && w->isVisible() && qobject_cast<QMenu*>(w) == nullptr) {
      titles << w->windowTitle();
    }
  }
  return titles;
}

std::map<QAction*, bool> CheckMarks(const MainWindow& form) {
  std::map<QAction*, bool> marks;
  for (QAction* a : form.findChildren<QAction*>()) {
    if (a->isCheckable()) marks[a] = a->isChecked();
  }
  return marks;
}

QString Escaped(QString text) { return text.replace("\r", "\\r").replace("\n", "\\n"); }

// What one key did: the log keys it wrote, the status text, the directory pane, the right tab,
// the dialogs, windows, menus and messages it showed, the check marks it switched, the
// selection, the clipboard, the scan string, and what it handed to the desktop to open.
struct KeyProbe {
  MainWindow& form;
  ScriptedPrompter& prompter;
  std::string home;
  QStringList dialogs;
  UrlCatcher urls;

  // The temporary home's path shows as "~".
  QString Normal(QString text) const {
    QString root = QString::fromStdString(home);
    if (root.endsWith('/')) root.chop(1);
    return text.replace(root, "~");
  }

  QString Press(QWidget* target, int key, Qt::KeyboardModifiers mods,
                DirPane start_pane = DirPane::kTree) {
    // Keys are typed into the active window, as a user types them (menu shortcuts need it).
    if (QGuiApplication::focusWindow() != form.windowHandle()) {
      form.activateWindow();
      // A window that never becomes active shows up as keys that do nothing in the map.
      (void)QTest::qWaitFor(
          [this] { return QGuiApplication::focusWindow() == form.windowHandle(); });
    }
    form.DirectoryTabs()->ShowPane(start_pane);
    const std::size_t log_before = form.Log().Lines().size();
    const std::size_t shown_before = prompter.messages.size() + prompter.questions.size();
    form.ShowStatus("-");
    const QString status_before = form.StatusText();
    const DirPane pane_before = form.DirectoryTabs()->ActivePane();
    const int tab_before = form.ListTabs()->currentIndex();
    const QStringList windows_before = VisibleWindows(&form);
    const std::map<QAction*, bool> marks_before = CheckMarks(form);
    const std::size_t selected_before = form.Items().SelectedCount();
    QApplication::clipboard()->setText("-");
    const QString scan_before = form.CriteriaTabs()->ScanBox()->currentText();
    urls.opened.clear();
    dialogs.clear();
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key), mods);
    QCoreApplication::processEvents();

    QStringList effects;
    const auto texts = test::LogTexts(form.Log().Lines());
    for (std::size_t i = log_before; i < texts.size(); ++i) {
      const QString text = QString::fromStdString(texts[i]);
      const int eq = text.indexOf('=');
      effects << "log " + (eq >= 0 ? text.left(eq + 1) : text.section(' ', 0, 1));
    }
    if (prompter.messages.size() + prompter.questions.size() != shown_before) effects << "asked";
    if (form.StatusText() != status_before) {
      // Counts and times depend on the run; the words show what was reported.
      effects << "status \"" +
                     Normal(form.StatusText()).replace(QRegularExpression("[0-9:]+"), "#") + "\"";
    }
    if (form.DirectoryTabs()->ActivePane() != pane_before) {
      effects << "pane " + QString::number(int(form.DirectoryTabs()->ActivePane()));
    }
    if (form.ListTabs()->currentIndex() != tab_before) {
      effects << "tab " + QString::number(form.ListTabs()->currentIndex());
    }
    for (const QString& d : dialogs) effects << "dialog " + d;
    if (QWidget* popup = QApplication::activePopupWidget()) {
      auto* menu = qobject_cast<QMenu*>(popup);
      effects << "menu " + (menu != nullptr ? menu->title() : QString("?"));
      popup->close();
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w == &form || !w->isVisible() || qobject_cast<QMenu*>(w) != nullptr) continue;
      if (windows_before.contains(w->windowTitle())) continue;
      effects << "window " + w->windowTitle();
      w->close();
    }
    for (const auto& [action, was] : marks_before) {
      if (action->isChecked() == was) continue;
      effects << QString("check %1 %2")
                     .arg(QString(action->text()).remove('&'), action->isChecked() ? "on" : "off");
      action->setChecked(was);
    }
    if (form.Items().SelectedCount() != selected_before) {
      effects << QString("selected %1").arg(form.Items().SelectedCount());
    }
    if (QApplication::clipboard()->text() != "-") {
      effects << "clipboard \"" + Normal(Escaped(QApplication::clipboard()->text())) + "\"";
    }
    if (form.CriteriaTabs()->ScanBox()->currentText() != scan_before) {
      effects << "scan string \"" + form.CriteriaTabs()->ScanBox()->currentText() + "\"";
    }
    for (const QString& url : urls.opened) effects << "opened " + Normal(url);
    form.ListTabs()->setCurrentIndex(tab_before);
    form.DirectoryTabs()->ShowPane(pane_before);
    return effects.isEmpty() ? "nothing" : effects.join(", ");
  }
};

QString DumpKeys(MainWindow& form, ScriptedPrompter& prompter, const std::string& home) {
  KeyProbe probe{form, prompter, home, {}, {}};
  // Dialogs a key opens are closed as soon as they show.
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&probe] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      probe.dialogs << dialog->windowTitle();
      dialog->reject();
    }
  });
  closer.start(5);

  QStringList out{"keys in the item list"};
  QWidget* list = form.ListTabs()->ItemView();
  const std::pair<const char*, Qt::KeyboardModifiers> mods[] = {
      {"", Qt::NoModifier},
      {"Shift+", Qt::ShiftModifier},
      {"Ctrl+", Qt::ControlModifier},
      {"Alt+", Qt::AltModifier},
      {"Ctrl+Shift+", Qt::ControlModifier | Qt::ShiftModifier}};
  for (int key = Qt::Key_F1; key <= Qt::Key_F12; ++key) {
    for (const auto& [name, m] : mods) {
      // Alt+F4 is "Exit", which closes the window: its own tests cover it.
      if (key == Qt::Key_F4 && m == Qt::AltModifier) continue;
      out << QString("  %1F%2: ").arg(name).arg(key - Qt::Key_F1 + 1) + probe.Press(list, key, m);
    }
  }
  const std::tuple<const char*, Qt::Key, DirPane> letters[] = {{"T", Qt::Key_T, DirPane::kList},
                                                               {"V", Qt::Key_V, DirPane::kSkip},
                                                               {"L", Qt::Key_L, DirPane::kTree},
                                                               {"X", Qt::Key_X, DirPane::kTree}};
  for (const auto& [name, key, from] : letters) {
    out << QString("  Shift+%1: ").arg(name) + probe.Press(list, key, Qt::ShiftModifier, from);
    out << QString("  Ctrl+Shift+%1: ").arg(name) +
               probe.Press(list, key, Qt::ControlModifier | Qt::ShiftModifier, from);
  }
  out << "  Esc: " + probe.Press(list, Qt::Key_Escape, Qt::NoModifier);
  out << "  Ctrl+Esc: " + probe.Press(list, Qt::Key_Escape, Qt::ControlModifier);
  out << "keys in text boxes";
  out << "  Shift+L in the scan box: " + probe.Press(form.CriteriaTabs()->ScanBox()->lineEdit(),
                                                     Qt::Key_L, Qt::ShiftModifier, DirPane::kSkip);
  out << "  Shift+L in the address bar: " + probe.Press(form.AddressField()->Field()->lineEdit(),
                                                        Qt::Key_L, Qt::ShiftModifier,
                                                        DirPane::kSkip);
  out << "  F4 in the scan box: " +
             probe.Press(form.CriteriaTabs()->ScanBox()->lineEdit(), Qt::Key_F4, Qt::NoModifier);
  // The scan string box and the address bar take and give their whole text.
  QLineEdit* scan_field = form.CriteriaTabs()->ScanBox()->lineEdit();
  QLineEdit* address_field = form.AddressField()->Field()->lineEdit();
  const std::tuple<const char*, QLineEdit*, Qt::Key> edit_keys[] = {
      {"Ctrl+C in the scan box", scan_field, Qt::Key_C},
      {"Ctrl+X in the scan box", scan_field, Qt::Key_X},
      {"Ctrl+V in the scan box", scan_field, Qt::Key_V},
      {"Ctrl+C in the address bar", address_field, Qt::Key_C}};
  for (const auto& [name, field, key] : edit_keys) {
    field->setSelection(0, 1);
    out << QString("  %1: ").arg(name) + probe.Press(field, key, Qt::ControlModifier);
  }

  // The menus' shortcuts, pressed in the item list with two lines selected and the third
  // current; selecting all and none come last.
  out << "menu shortcuts in the item list";
  form.Items().Clear();
  for (const char* name : {"a", "b", "c"}) {
    test::AddTestLine(form.Items(), std::string(": |  | /d/ | ") + name + " | 1 | 2024-01-02 03:04",
                      ItemOrder::kPath);
  }
  form.Items().SetSelected(0, true);
  form.Items().SetSelected(1, true);
  form.Items().SetCurrent(1);
  form.ListTabs()->ItemView()->RefreshSelection();
  const char* shortcuts[] = {
      "Alt+S",        "Alt+P",        "Ctrl+X",  "Ctrl+C",       "Ctrl+V",       "Ctrl+Alt+H",
      "Ctrl+Alt+R",   "Ctrl+Alt+V",   "Ctrl+F5", "Ctrl+Shift+B", "Ctrl+O",       "Ctrl+P",
      "Ctrl+M",       "Ctrl+R",       "Ctrl+T",  "Ctrl+D",       "Ctrl+Shift+D", "Ctrl+Shift+F",
      "Ctrl+Shift+P", "Ctrl+Shift+A", "Ctrl+B",  "Alt+B",        "Alt+C",        "Alt+H",
      "Alt+F",        "Alt+E",        "Alt+V",   "Alt+O",        "Alt+I",        "Ctrl+S",
      "Ctrl+A",       "Ctrl+N"};
  for (const char* text : shortcuts) {
    const QKeyCombination combination = QKeySequence(text)[0];
    out << QString("  %1: ").arg(text) +
               probe.Press(list, combination.key(), combination.keyboardModifiers());
  }
  closer.stop();
  return out.join('\n');
}

}  // namespace

class CommandMapTest : public QObject {
  Q_OBJECT

 private slots:
  void menusToolBarsAndKeysMatchTheMap();
};

void CommandMapTest::menusToolBarsAndKeysMatchTheMap() {
  TempHome home;
  home.tree.File("a.txt");
  ScriptedPrompter prompter;
  MainWindow form({kProgram, "-i"}, &prompter);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));

  QStringList map;
  for (int selected = 0; selected <= 2; ++selected) {
    form.Items().Clear();
    for (const char* name : {"a", "b", "c"}) {
      test::AddTestLine(form.Items(),
                        std::string(": |  | /d/ | ") + name + " | 1 | 2024-01-02 03:04",
                        ItemOrder::kPath);
    }
    for (int i = 0; i < selected; ++i) form.Items().SetSelected(i, true);
    form.ListTabs()->ItemView()->Refresh();
    map << QString("=== %1 selected").arg(selected) << DumpCommands(form);
  }
  map << "===" << DumpKeys(form, prompter, home.tree.Root());
  const QString actual = map.join('\n') + '\n';

  const QString expected_path = QFINDTESTDATA("command_map.txt");
  QFile file(expected_path);
  QVERIFY2(file.open(QIODevice::ReadOnly), "tests/app/command_map.txt is missing");
  const QString expected = QString::fromUtf8(file.readAll());
  if (actual != expected) {
    // The map as it is now, to compare with (and, for an intended change, to copy over) the
    // expected one.
    const QString now = QDir::temp().filePath("command_map.actual.txt");
    QFile out(now);
    if (out.open(QIODevice::WriteOnly)) out.write(actual.toUtf8());
    const QStringList a = actual.split('\n');
    const QStringList e = expected.split('\n');
    for (int i = 0; i < std::max(a.size(), e.size()); ++i) {
      const QString x = i < a.size() ? a[i] : "<end>";
      const QString y = i < e.size() ? e[i] : "<end>";
      if (x != y) {
        QFAIL(qPrintable(QString("line %1 differs:\n  now:      %2\n  expected: %3\nwhole map: %4")
                             .arg(i + 1)
                             .arg(x, y, now)));
      }
    }
  }
}

QTEST_MAIN(CommandMapTest)
#include "command_map_qtest.moc"
