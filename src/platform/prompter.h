#pragma once

#include <optional>
#include <string>

namespace krellix {

// Answers of questions; the values double as the result codes of per-item operations.
enum class Answer { kOk, kYes, kNo, kCancel, kYesToAll };

// The buttons a question offers.
enum class Buttons {
  kOk,
  kOkCancel,
  kYesNo,
  kYesCancel,
  kYesNoCancel,
  kYesNoCancelAll,
  kYesCancelAll,
};

enum class MessageKind { kInformation, kWarning, kError };

// Everything core code may ask of the person at the screen: messages, questions, pickers, and
// a chance for the window to handle pending events during long work. The windows implement it
// with Qt; tests use ScriptedPrompter.
class Prompter {
 public:
  virtual ~Prompter() = default;

  virtual void ShowMessage(MessageKind kind, const std::string& text) = 0;
  virtual Answer Ask(const std::string& text, Buttons buttons) = 0;

  // Pickers return the chosen path, or nothing when cancelled. `start` is the folder or file
  // to start from, `filter` a name filter such as "Text files (*.txt)".
  virtual std::optional<std::string> PickOpenFile(const std::string& title,
                                                  const std::string& start,
                                                  const std::string& filter) = 0;
  // The save picker asks before an existing file is chosen only when `confirm_overwrite`.
  virtual std::optional<std::string> PickSaveFile(const std::string& title,
                                                  const std::string& start,
                                                  const std::string& filter,
                                                  bool confirm_overwrite = false) = 0;
  virtual std::optional<std::string> PickDirectory(const std::string& title,
                                                   const std::string& start) = 0;

  // Handles pending user-interface events (repaint, Stop, Esc).
  virtual void ProcessEvents() = 0;
};

}  // namespace krellix
