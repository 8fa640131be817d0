#include "app/log_saver.h"

#include "app/activity_log.h"
#include "output/output_dialogs.h"
#include "output/output_options.h"
#include "output/text_file.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "scan/item_entry.h"

namespace krellix {

namespace {

constexpr char kPickerTitle[] = "Write to filename";
constexpr char kLogFilter[] = "Log files (*.log);;All files (*)";

enum class OpenHow { kReplace, kAppend, kCreate };

std::string CannotOpenText(OpenHow how) {
  switch (how) {
    case OpenHow::kReplace:
      return "Cannot open(replace): ";
    case OpenHow::kAppend:
      return "Cannot open(append): ";
    case OpenHow::kCreate:
      break;
  }
  return "Cannot open(create): ";
}

void Show(const LogSaverContext& ctx, const std::string& text) {
  if (ctx.show_status) ctx.show_status(text);
}

// The file name the picker gave, with the default extension ".log" when it names a file that
// does not exist yet and has no extension of its own.
std::string WithDefaultExtension(std::string name) {
  if (ExtensionOf(name).empty() && !NamePart(name).empty() && !FileExists(name)) name += ".log";
  return name;
}

}  // namespace

LogSaveResult SaveLogfile(const LogSaverContext& ctx, LogSaveKind kind) {
  OpenHow how = FileExists(ctx.LogName) ? OpenHow::kAppend : OpenHow::kCreate;
  if (kind == LogSaveKind::kInteractive) {
    const auto chosen = ctx.prompter.PickSaveFile(kPickerTitle, ctx.LogName, kLogFilter);
    if (!chosen) {
      Show(ctx, "Save log cancelled");
      return LogSaveResult::kCancelled;
    }
    ctx.LogName = WithDefaultExtension(*chosen);
    how = OpenHow::kCreate;
    if (FileExists(ctx.LogName)) {
      SaveMode answer = ctx.saving_file.AskSavingFile(ctx.LogName);
      // The configured output-file mode overrides Replace and Append, but a Cancel stands: the
      // user said not to touch the file.
      if (answer == SaveMode::kCancel) return LogSaveResult::kCancelled;
      if (ctx.output.OutFileReplace) answer = SaveMode::kReplace;
      if (ctx.output.OutFileAppend) answer = SaveMode::kAppend;
      how = answer == SaveMode::kAppend ? OpenHow::kAppend : OpenHow::kReplace;
    }
  }

  TextFile file;
  if (!file.Open(ctx.LogName, how == OpenHow::kAppend)) {
    ctx.prompter.ShowMessage(MessageKind::kError, CannotOpenText(how) + ctx.LogName);
    return LogSaveResult::kFailed;
  }

  const std::string saving = "Save_Logfile=" + ctx.LogName;
  Show(ctx, saving);
  ctx.log.AddRawLine(saving);
  ctx.log.AddLogLine(saving);

  ctx.Header1 = "- Log written: " + FormatDateTime(ctx.clock.Now(), ctx.locale);
  file.WriteLine(";  ");
  file.WriteLine(";  - Krellix - " + ctx.copyright);
  file.WriteLine(";  " + ctx.Header1);
  file.WriteLine(";  ");
  const std::vector<std::string>& lines = ctx.log.Lines();
  for (const std::string& line : lines) file.WriteLine(line);
  const std::size_t written = lines.size();

  if (!file.Close()) {
    ctx.prompter.ShowMessage(MessageKind::kError, "Close failed for: " + ctx.LogName);
    return LogSaveResult::kFailed;
  }
  const std::string records = "LogRecords=" + std::to_string(written);
  Show(ctx, records);
  ctx.log.AddLogLine(records);
  return LogSaveResult::kSaved;
}

void ClearLog(ActivityLog& log, const Clock& clock, const LocaleFormat& locale) {
  log.Clear();
  log.AddRawLine("Log cleared at: " + FormatDateTime(clock.Now(), locale));
}

}  // namespace krellix
