#include "fileops/directory_commands.h"

#include <charconv>

#include "base/activity_log.h"
#include "base/confirm_options.h"
#include "platform/copy_engine.h"
#include "platform/file_reader.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace krellix {

namespace {

constexpr char kDelim = kPathDelim;

std::string WithoutTrailingDelim(std::string path) {
  while (path.size() > 1 && path.back() == kDelim) path.pop_back();
  return path;
}

void Error(const DirectoryCommandsEnv& env, const std::string& text) {
  env.prompter.ShowMessage(MessageKind::kError, text);
}

// The value of a number field; a message naming the field when it holds no number.
bool ReadNumber(const std::string& text, const std::string& field, std::int64_t& value,
                const DirectoryCommandsEnv& env) {
  const char* end = text.data() + text.size();
  const auto [last, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || last != end || value < 0) {
    Error(env, "'" + text + "' is not a valid number for \"" + field + "\"");
    return false;
  }
  return true;
}

bool MakeAll(const std::string& path) {
  std::string created_top;
  return MakeDirectories(path, created_top).Ok();
}

// Creates the numbered series below `base`; false when a field holds no number.
void CreateSeries(const std::string& base, const CreateDirectoryValues& v,
                  const DirectoryCommandsEnv& env) {
  std::int64_t count = 0;
  std::int64_t number = 0;
  std::int64_t step = 0;
  std::int64_t zero_fill = 0;
  if (!ReadNumber(v.count, "Count: ", count, env) || !ReadNumber(v.start, "Start:", number, env) ||
      !ReadNumber(v.step, "Step:", step, env) ||
      !ReadNumber(v.zero_fill, "Zero fill:", zero_fill, env)) {
    return;
  }
  for (std::int64_t i = 0; i < count; ++i, number += step) {
    const std::string path =
        base + SeriesName(v.prefix, number, static_cast<int>(zero_fill), v.suffix);
    if (MakeAll(path)) {
      env.log.AddLogLine("Create_directory=" + path);
    } else {
      env.log.AddLogLine("Create_directory_failed=" + path);
      Error(env, "Create directory failed: " + path);
    }
  }
}

}  // namespace

std::string DirectoryFieldOnOk(std::string text) {
  if (!text.empty() && text.front() == kDelim) text.erase(0, 1);
  if (!text.empty() && text.back() != kDelim) text += kDelim;
  return text;
}

std::string SeriesName(const std::string& prefix, std::int64_t number, int zero_fill,
                       const std::string& suffix) {
  std::string digits = std::to_string(number);
  if (static_cast<int>(digits.size()) < zero_fill) digits.insert(0, zero_fill - digits.size(), '0');
  return prefix + digits + suffix;
}

void CreateDirectoryCommand(const std::string& highlighted, CreateDirectoryValues& v,
                            const DirectoryCommandsEnv& env) {
  std::string target;  // the directory the tree opens at the end; none when empty
  if (!SetCurrentDirectory(highlighted)) {
    env.log.AddLogLine("Create_directory_failed=" + highlighted);
    Error(env, "Create directory: " + highlighted);
  } else {
    v.base = WithTrailingDelim(CurrentDirectory());
    if (env.show_create_dialog(v)) {
      const std::string base = WithTrailingDelim(v.base);
      target = base;
      std::string series_base = base;
      if (!v.directory.empty()) {
        series_base = base + v.directory;
        if (!MakeAll(series_base)) Error(env, "Create directory failed: " + series_base);
      }
      if (v.series) {
        if (!SetCurrentDirectory(series_base)) {
          env.log.AddLogLine("Create_directory_failed=" + series_base);
          Error(env, "Create directory failed: " + series_base);
        } else {
          target = series_base;
          CreateSeries(WithTrailingDelim(series_base), v, env);
        }
      }
    } else {
      target = v.base;
    }
  }
  if (!target.empty()) env.open_tree_directory(target);
  env.refresh_tree();
  v.directory.clear();
}

void RenameDirectoryCommand(const std::string& highlighted, const std::string& tree_dir,
                            const DirectoryCommandsEnv& env) {
  const std::string t = WithoutTrailingDelim(highlighted);
  const auto failed = [&](const std::string& why) {
    env.log.AddLogLine("Rename_directory_failed=" + t);
    Error(env, "Rename directory failed: " + t + why);
  };
  if (!SetCurrentDirectory(tree_dir)) {
    failed("");
    return;
  }
  // The tree never keeps a directory open inside the one being renamed.
  const std::string open = WithoutTrailingDelim(tree_dir);
  if (open == t || open.starts_with(WithTrailingDelim(t))) {
    SetCurrentDirectory(t);
    SetCurrentDirectory("..");
    env.open_tree_directory(CurrentDirectory());
  }
  const std::string old_name = NamePart(t);
  const std::string answer = env.ask_text("Rename directory", "New directory name:", old_name);
  if (answer == old_name) return;
  // A name with a delimiter would move the directory elsewhere; "." and ".." are no names.
  if (answer.empty() || answer.find(kDelim) != std::string::npos || answer == "." ||
      answer == "..") {
    failed(" (not a valid directory name: '" + answer + "')");
    return;
  }
  const std::string n = DirectoryPart(t) + answer;
  if (env.confirm.rename_directory &&
      env.prompter.Ask("Rename " + t + " into \n" + n + " ? ", Buttons::kYesNo) != Answer::kYes) {
    return;
  }
  if (const FileResult renamed = RenameNoReplace(t, n); renamed) {
    env.log.AddLogLine("Rename_directory=" + t + " Into=" + n);
  } else {
    failed(" (" + renamed.Error().reason + ")");
  }
  env.refresh_tree();
}

}  // namespace krellix
