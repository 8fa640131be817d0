#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "platform/prompter.h"

namespace krellix {

// The Prompter of the running program: message boxes, file and folder pickers, and the event
// polls of long work. Boxes are owned by `parent` and carry the application's name.
class QtPrompter final : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent) : parent_(parent) {}

  void ShowMessage(MessageKind kind, const std::string& text) override;
  Answer Ask(const std::string& text, Buttons buttons) override;
  std::optional<std::string> PickOpenFile(const std::string& title, const std::string& start,
                                          const std::string& filter) override;
  std::optional<std::string> PickSaveFile(const std::string& title, const std::string& start,
                                          const std::string& filter,
                                          bool confirm_overwrite = false) override;
  std::optional<std::string> PickDirectory(const std::string& title,
                                           const std::string& start) override;
  void ProcessEvents() override;

 private:
  static constexpr qint64 kEventStepMs = 50;
  QPointer<QWidget> parent_;
  QElapsedTimer since_events_;
};

// Turns a filter written as "Text files (*.txt)|*.txt|All files (*.*)|*.*" into the form of
// the file dialogs ("Text files (*.txt);;All files (*.*)"); a filter without "|" is kept.
QString DialogFilter(const std::string& filter);

}  // namespace krellix
