// Holding the Down key through a hundred lines of pictures and text files with the preview pane
// open: each line is previewed as it becomes current. The figures are the time per line and
// the longest single step, both as the window sees them (the key handled, the preview shown or
// under way).
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/list_panel.h"
#include "app/main_window.h"
#include "bench_support.h"
#include "itemlist/item_list_view.h"
#include "platform/scripted_prompter.h"

namespace {

using namespace krellix;
using namespace krellix::bench;

// Every other line a 3000 x 2000 picture, the rest 300 KB text files of short lines.
void MakeFiles(const std::string& dir, int lines) {
  QImage picture(3000, 2000, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) picture.setPixel(x, y, qRgb(x % 256, y % 256, 90));
  }
  std::string text;
  while (text.size() < 300 * 1024)
    text += "The quick brown fox jumps over the lazy dog, line after line.\n";
  for (int i = 0; i < lines; ++i) {
    char name[32];
    if (i % 2 == 0) {
      std::snprintf(name, sizeof name, "/%03d.jpg", i);
      picture.save(QString::fromStdString(dir + name), "JPG", 80);
    } else {
      std::snprintf(name, sizeof name, "/%03d.txt", i);
      std::ofstream(dir + name) << text;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int lines = argc > 1 ? std::atoi(argv[1]) : 100;
  const std::string home = MakeTempDir();
  const std::string dir = home + "/files";
  std::filesystem::create_directories(dir);
  MakeFiles(dir, lines);
  qputenv("HOME", QByteArray::fromStdString(home));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home + "/.config"));

  ScriptedPrompter prompter;
  MainWindow form({"/opt/krellix/krellix", "-i"}, &prompter);
  form.show();
  form.Settings().ShowPreview = true;
  form.SetTreeDirectory(dir + "/");
  form.Actions().scan->trigger();
  ItemListView* view = form.ListTabs()->ItemView();
  view->setFocus();
  view->setCurrentIndex(view->model()->index(0, 0));
  QCoreApplication::processEvents();

  double longest = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 1; i < lines; ++i) {
    const auto at = std::chrono::steady_clock::now();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier, {}, /*autorep=*/true);
    QApplication::sendEvent(view, &press);
    QCoreApplication::processEvents();
    longest = std::max(longest, SecondsSince(at));
  }
  const double total = SecondsSince(start);
  std::printf("preview of %d lines held down: %.3f s\n", lines, total);
  std::printf("preview_ms_per_line %.1f\n", 1000 * total / std::max(1, lines - 1));
  std::printf("preview_longest_step_ms %.1f\n", 1000 * longest);
  form.close();
  std::filesystem::remove_all(home);
  return 0;
}
