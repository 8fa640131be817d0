#include "platform/scripted_prompter.h"

namespace krellix {

void ScriptedPrompter::ShowMessage(MessageKind kind, const std::string& text) {
  messages.push_back({kind, text});
}

Answer ScriptedPrompter::Ask(const std::string& text, Buttons) {
  questions.push_back(text);
  if (answers.empty()) return default_answer;
  const Answer a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> ScriptedPrompter::NextPick() {
  if (picks.empty()) return std::nullopt;
  std::string p = picks.front();
  picks.pop_front();
  if (p.empty()) return std::nullopt;
  return p;
}

std::optional<std::string> ScriptedPrompter::PickOpenFile(const std::string&, const std::string&,
                                                          const std::string&) {
  return NextPick();
}

std::optional<std::string> ScriptedPrompter::PickSaveFile(const std::string&, const std::string&,
                                                          const std::string&, bool) {
  return NextPick();
}

std::optional<std::string> ScriptedPrompter::PickDirectory(const std::string&, const std::string&) {
  return NextPick();
}

void ScriptedPrompter::ProcessEvents() {
  ++event_polls;
  if (on_process_events) on_process_events();
}

}  // namespace krellix
