#include "output/log_saver.h"

#include "base/activity_log.h"
#include "output/output_dialogs.h"
#include "output/output_options.h"
#include "output/save_target.h"
#include "platform/clock.h"
#include "platform/crlf_line_writer.h"
#include "platform/file_system.h"
#include "platform/prompter.h"

namespace krellix {

namespace {

constexpr char kPickerTitle[] = "Write to filename";
constexpr char kLogFilter[] = "Log files (*.log);;All files (*)";

void Show(const LogSaverContext& ctx, const std::string& text) {
  if (ctx.show_status) ctx.show_status(text);
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
    ctx.LogName = WithDefaultExtension(*chosen, ".log");
    const std::optional<OpenHow> asked = AskOpenHow(ctx.LogName, ctx.saving_file);
    if (!asked) return LogSaveResult::kCancelled;
    how = *asked;
    // The configured output-file mode overrides Replace and Append, but a Cancel stands: the
    // user said not to touch the file.
    if (how != OpenHow::kCreate && ctx.output.OutFileReplace) how = OpenHow::kReplace;
    if (how != OpenHow::kCreate && ctx.output.OutFileAppend) how = OpenHow::kAppend;
  }

  CrlfLineWriter file;
  if (const FileResult opened =
          file.Open(ctx.LogName, how == OpenHow::kAppend ? WriteHow::kAppend : WriteHow::kReplace);
      !opened) {
    ctx.prompter.ShowMessage(MessageKind::kError,
                             WithReason(CannotOpenText(how) + ctx.LogName, opened.Error()));
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

  if (const FileResult closed = file.Close(); !closed) {
    ctx.prompter.ShowMessage(MessageKind::kError,
                             WithReason("Close failed for: " + ctx.LogName, closed.Error()));
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
