#pragma once

#include <QApplication>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "itemlist/item_list_view.h"
#include "platform/scripted_prompter.h"
#include "support/window_fixture.h"

namespace krellix::test {

// A main window started in a temporary home with the items of a folder listed: the rig of the
// window tests that act on selected items.
struct ScannedWindow {
  TempHome home;
  ScriptedPrompter prompter;
  std::unique_ptr<MainWindow> form;
  // The program path the window is started as (its folder is where it looks for help).
  std::string program = "/opt/krellix/krellix";

  // Starts the window (settings file left alone) and scans `dir`.
  void Start(const std::string& dir) {
    form = std::make_unique<MainWindow>(std::vector<std::string>{program, "-i"}, &prompter);
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    QVERIFY(form->SetTreeDirectory(dir));
    form->Actions().scan->trigger();
  }
  // Selects the lines of the named files only; the last of them becomes current.
  void Select(std::initializer_list<const char*> names) {
    ItemList& items = form->Items();
    for (std::size_t i = 0; i < items.Count(); ++i) {
      bool wanted = false;
      for (const char* n : names) wanted = wanted || items.Fields(i).File == n;
      items.SetSelected(i, wanted);
      if (wanted) items.SetCurrent(static_cast<std::int64_t>(i));
    }
    form->ListTabs()->ItemView()->RefreshSelection();
  }
  // The file names of the item lines, in list order.
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    const ItemList& items = form->Items();
    for (std::size_t i = 0; i < items.Count(); ++i) {
      if (items.IsItem(i)) names.emplace_back(items.Fields(i).File);
    }
    return names;
  }
  std::vector<std::string> Log() const { return LogTexts(form->Log().Lines()); }
  bool Logged(const std::string& text) const {
    const std::vector<std::string> log = Log();
    return std::find(log.begin(), log.end(), text) != log.end();
  }
  // Once a modal dialog of type T shows, `act` works it.
  template <typename T>
  static void When(std::function<void(T*)> act) {
    QTimer::singleShot(0, [act] {
      auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      act(dialog);
    });
  }
};

}  // namespace krellix::test
