// Start-up and close of the main window with large remembered lists against an almost empty
// settings folder: a settings file holding a long address history and a long include list.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/main_window.h"
#include "bench_support.h"
#include "platform/profile_file.h"
#include "platform/scripted_prompter.h"
#include "settings/numbered_list.h"

namespace {

using namespace krellix;
using namespace krellix::bench;

struct Timing {
  double start = 0;
  double close = 0;
};

// Writes the settings folder below `home`: `addresses` address entries in the settings file
// and `include_lines` lines in the include list and in the file list.
void MakeSettings(const std::string& home, int addresses, int include_lines) {
  const std::string folder = home + "/.config/Krellix";
  std::filesystem::create_directories(folder);
  std::ofstream ini(folder + "/krellix.ini", std::ios::binary);
  // The window takes at most 99 entries ("Entries" has two digits); the file holds them all.
  ini << "[Init]\r\nVersion=bench\r\nCreated=now\r\n\r\n[Prefs]\r\nAuto=0\r\nSaveAddr=1\r\n"
      << "Sinc=1\r\nAddressSize=99\r\nAddrn=" << addresses << "\r\nAddr=" << home << "/\r\n";
  for (int i = 0; i < addresses; ++i) {
    ini << "Addr" << i << "=" << home << "/visited/folder" << i << "/\r\n";
  }
  std::ofstream list(folder + "/inclist.txt", std::ios::binary);
  for (int i = 0; i < include_lines; ++i) {
    list << (i % 3 ? "+" : "-") << home << "/projects/p" << i / 100 << "/sub" << i << "/\r\n";
  }
  std::ofstream files(folder + "/filelist.txt", std::ios::binary);
  for (int i = 0; i < include_lines; ++i) {
    files << home << "/projects/p" << i / 100 << "/file" << i << ".txt\r\n";
  }
}

Timing StartAndClose(const std::string& home) {
  qputenv("HOME", QByteArray::fromStdString(home));
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(home + "/.config"));
  ScriptedPrompter prompter;
  BenchDialogs dialogs(home + "/out.txt");
  Timing t;
  auto at = std::chrono::steady_clock::now();
  MainWindow form({"/opt/krellix/krellix"}, &prompter, &dialogs);
  QCoreApplication::processEvents();
  t.start = SecondsSince(at);
  at = std::chrono::steady_clock::now();
  form.close();
  t.close = SecondsSince(at);
  if (!prompter.messages.empty()) {
    std::printf("  message: %s\n", prompter.messages.front().text.c_str());
  }
  return t;
}

// The settings file's side of a long address history, whatever limit the window allows: the
// list read from the file and written back with a save.
void TimeAddressList(const std::string& home, int addresses) {
  const std::string path = home + "/.config/Krellix/krellix.ini";
  auto at = std::chrono::steady_clock::now();
  ProfileFile file(path);
  file.DeleteKey("Prefs", "AddressSize");  // the list's own limit: all of it
  const NumberedList list = ReadNumberedList(file, kAddressKeys, addresses);
  const double read = SecondsSince(at);
  at = std::chrono::steady_clock::now();
  WriteNumberedList(file, kAddressKeys, addresses, "/", list.entries);
  const FileResult saved = file.Save();
  const double write = SecondsSince(at);
  std::printf("settings file, %zu addresses: read %.3f s, write and save %.3f s%s\n",
              list.entries.size(), read, write, saved ? "" : " (save failed)");
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int addresses = argc > 1 ? std::atoi(argv[1]) : 30000;
  const int include_lines = argc > 2 ? std::atoi(argv[2]) : 300000;

  const std::string small = MakeTempDir(), large = MakeTempDir();
  MakeSettings(small, 0, 0);
  MakeSettings(large, addresses, include_lines);
  StartAndClose(small);  // warm-up
  const Timing a = StartAndClose(small);
  TimeAddressList(large, addresses);
  const Timing b = StartAndClose(large);
  std::printf("start, empty lists: %.3f s\n", a.start);
  std::printf("close, empty lists: %.3f s\n", a.close);
  std::printf("start, %d addresses, %d include and file list lines: %.3f s\n", addresses,
              include_lines, b.start);
  std::printf("close, %d addresses, %d include and file list lines: %.3f s\n", addresses,
              include_lines, b.close);
  std::printf("startup_extra_seconds %.3f\n", b.start - a.start);
  std::printf("close_extra_seconds %.3f\n", b.close - a.close);
  std::filesystem::remove_all(small);
  std::filesystem::remove_all(large);
  return 0;
}
