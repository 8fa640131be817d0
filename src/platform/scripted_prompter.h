#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/prompter.h"

namespace krellix {

// A Prompter for tests: records every message and question, answers questions and pickers
// from queues, and runs a hook on every event poll (to press Stop mid-run, say).
class ScriptedPrompter final : public Prompter {
 public:
  struct Shown {
    MessageKind kind;
    std::string text;
  };

  // Questions beyond the scripted answers get `default_answer`.
  std::deque<Answer> answers;
  Answer default_answer = Answer::kYes;
  // Picker results; an empty string stands for a cancelled picker.
  std::deque<std::string> picks;
  std::function<void()> on_process_events;

  std::vector<Shown> messages;
  std::vector<std::string> questions;
  int event_polls = 0;

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
  std::optional<std::string> NextPick();
};

}  // namespace krellix
