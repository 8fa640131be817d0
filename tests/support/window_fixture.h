#pragma once

#include <QByteArray>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/scripted_prompter.h"
#include "support/temp_tree.h"

namespace krellix::test {

// Points HOME, XDG_CONFIG_HOME and XDG_DATA_HOME into a temporary folder for as long as it
// lives, so a window under test finds its documents folder there and never touches the user's
// own files or Trash. (GLib reads XDG_DATA_HOME once, at the first file trashed: later Trash
// work of the same program goes to that first folder.)
class TempHome {
 public:
  TempHome()
      : home_(qgetenv("HOME")),
        config_(qgetenv("XDG_CONFIG_HOME")),
        data_(qgetenv("XDG_DATA_HOME")) {
    qputenv("HOME", QByteArray::fromStdString(tree.Root()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(tree.Path(".config")));
    if (data_.isEmpty())
      qputenv("XDG_DATA_HOME", QByteArray::fromStdString(tree.Path(".local/share")));
  }
  ~TempHome() {
    qputenv("HOME", home_);
    qputenv("XDG_CONFIG_HOME", config_);
    if (data_.isEmpty()) {
      qunsetenv("XDG_DATA_HOME");
    } else {
      qputenv("XDG_DATA_HOME", data_);
    }
  }
  TempHome(const TempHome&) = delete;
  TempHome& operator=(const TempHome&) = delete;

  TempTree tree;

 private:
  QByteArray home_;
  QByteArray config_;
  QByteArray data_;
};

// The texts of log lines without their time stamps ("yyyy/mm/dd hh:nn:ss ").
inline std::vector<std::string> LogTexts(const std::vector<std::string>& lines) {
  std::vector<std::string> texts;
  for (const std::string& line : lines) texts.push_back(line.size() >= 20 ? line.substr(20) : line);
  return texts;
}

// How many texts start with `prefix`.
inline int CountStarting(const std::vector<std::string>& texts, const std::string& prefix) {
  int n = 0;
  for (const std::string& t : texts) n += t.rfind(prefix, 0) == 0 ? 1 : 0;
  return n;
}

// Whether the prompter showed a message with exactly this text.
inline bool WasShown(const ScriptedPrompter& prompter, const std::string& text) {
  for (const auto& m : prompter.messages) {
    if (m.text == text) return true;
  }
  return false;
}

// The settings file of a window started under `home`, and writing it before the start.
inline std::string SettingsFilePath(const TempHome& home) {
  return home.tree.Path(".config/Krellix/krellix.ini");
}
inline void WriteSettingsFile(TempHome& home, const std::string& text) {
  home.tree.Dir(".config/Krellix");
  std::ofstream(SettingsFilePath(home), std::ios::binary) << text;
}

}  // namespace krellix::test
