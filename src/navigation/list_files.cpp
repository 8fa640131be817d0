#include "navigation/list_files.h"

#include <optional>

#include "base/activity_log.h"
#include "navigation/list_file.h"
#include "output/output_dialogs.h"
#include "output/save_target.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace krellix {
namespace {

std::string ReadFailure(const std::string& error, const std::string& path) {
  return error.empty() ? std::string() : error + ": " + path;
}

std::string AppendMarkLines(CheckList& list, const std::string& path, MarkReading reading) {
  const std::string error = ForEachTextLine(path, [&list, reading](std::string_view line) {
    list.entries.push_back(ParseMarkLine(line, reading));
  });
  return ReadFailure(error, path);
}

std::string AppendPlainLines(FileList& list, const std::string& path) {
  const std::string error =
      ForEachTextLine(path, [&list](std::string_view line) { list.emplace_back(line); });
  return ReadFailure(error, path);
}

// The texts that tell the two kinds of list apart.
struct ListTexts {
  const char* writing;  // before the bare file name
  bool writing_in_log;  // the writing line also goes to the log, unstamped
  const char* items;    // + count
  const char* saved;    // + file name
  const char* picker_cancelled;
  const char* autosave_failed;  // + file name
};

constexpr ListTexts kCheckListTexts{"Writing ",
                                    false,
                                    "Include/ExcludeList_Items=",
                                    "Include/ExcludeList_Saved=",
                                    "Save cancelled",
                                    "Cannot autosave: "};
constexpr ListTexts kFileListTexts{"Writing to ",
                                   true,
                                   "Items_written=",
                                   "Filelist_Saved=",
                                   "Save filelist cancelled",
                                   "Cannot open(autosave): "};

struct Target {
  std::string path;
  OpenHow how = OpenHow::kCreate;
};

void Show(const ListSaverContext& ctx, const std::string& text) {
  if (ctx.show_status) ctx.show_status(text);
}

void ShowAndLog(const ListSaverContext& ctx, const std::string& text) {
  Show(ctx, text);
  ctx.log.AddLogLine(text);
}

// The picker's choice, with the default extension. Nothing when the picker is cancelled.
std::optional<std::string> PickTarget(const ListSaverContext& ctx, const std::string& start,
                                      const ListTexts& texts) {
  const std::optional<std::string> chosen =
      ctx.prompter.PickSaveFile(kListSaveTitle, start, kListFilter);
  if (!chosen) {
    Show(ctx, texts.picker_cancelled);
    return std::nullopt;
  }
  return WithDefaultExtension(*chosen, ".txt");
}

WriteMode ModeOf(OpenHow how) {
  switch (how) {
    case OpenHow::kReplace:
      return WriteMode::kReplace;
    case OpenHow::kAppend:
      return WriteMode::kAppend;
    case OpenHow::kCreate:
      break;
  }
  return WriteMode::kCreate;
}

ListSaveResult WriteList(const ListSaverContext& ctx, const std::vector<std::string>& lines,
                         const Target& target, ListSaveKind kind, const ListTexts& texts) {
  const bool automatic = kind == ListSaveKind::kAutomatic;
  const WriteOutcome outcome = WriteTextLines(target.path, lines, ModeOf(target.how));
  if (outcome.step == WriteOutcome::kOpenFailed) {
    const std::string why = automatic ? texts.autosave_failed : CannotOpenText(target.how);
    ctx.prompter.ShowMessage(MessageKind::kError, WithReason(why + target.path, outcome.error));
    return ListSaveResult::kFailed;
  }
  const std::string writing = texts.writing + NamePart(target.path);
  Show(ctx, writing);
  if (texts.writing_in_log) ctx.log.AddRawLine(writing);
  ShowAndLog(ctx, texts.items + std::to_string(lines.size()));
  if (outcome.step == WriteOutcome::kCloseFailed) {
    // The file kept its old contents, so the save is not reported as done.
    ctx.prompter.ShowMessage(MessageKind::kError,
                             WithReason("Close failed for: " + target.path, outcome.error));
    return ListSaveResult::kFailed;
  }
  ShowAndLog(ctx, texts.saved + (automatic ? NamePart(target.path) : target.path));
  return ListSaveResult::kSaved;
}

}  // namespace

std::string ReloadCheckList(CheckList& list, const std::string& path) {
  if (!FileExists(path)) return "";
  list.entries.clear();
  return AppendMarkLines(list, path, MarkReading::kStartUp);
}

std::string ReloadFileList(FileList& list, const std::string& path) {
  if (!FileExists(path)) return "";
  list.clear();
  return AppendPlainLines(list, path);
}

std::string AppendCheckListFile(CheckList& list, const std::string& path) {
  return AppendMarkLines(list, path, MarkReading::kLoad);
}

std::string AppendFileListFile(FileList& list, const std::string& path) {
  return AppendPlainLines(list, path);
}

ListSaveResult SaveCheckList(const ListSaverContext& ctx, const CheckList& list,
                             const std::string& list_file, ListSaveKind kind) {
  Target target{list_file, OpenHow::kReplace};
  if (kind == ListSaveKind::kInteractive) {
    const std::optional<std::string> chosen = PickTarget(ctx, list_file, kCheckListTexts);
    if (!chosen) return ListSaveResult::kCancelled;
    const std::optional<OpenHow> how = AskOpenHow(*chosen, ctx.saving_file);
    if (!how) return ListSaveResult::kCancelled;
    target = {*chosen, *how};
  }
  std::vector<std::string> lines;
  lines.reserve(list.entries.size());
  for (const CheckListEntry& e : list.entries) lines.push_back(MarkLine(e));
  return WriteList(ctx, lines, target, kind, kCheckListTexts);
}

ListSaveResult SaveFileList(const ListSaverContext& ctx, const FileList& list,
                            std::string& list_file, ListSaveKind kind) {
  Target target{list_file, OpenHow::kReplace};
  if (kind == ListSaveKind::kInteractive) {
    const std::optional<std::string> chosen = PickTarget(ctx, list_file, kFileListTexts);
    if (!chosen) return ListSaveResult::kCancelled;
    // The next automatic save writes here too, whatever the prompt answers.
    list_file = *chosen;
    const std::optional<OpenHow> how = AskOpenHow(list_file, ctx.saving_file);
    if (!how) return ListSaveResult::kCancelled;
    target = {list_file, *how};
  }
  return WriteList(ctx, list, target, kind, kFileListTexts);
}

}  // namespace krellix
