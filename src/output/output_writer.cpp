#include "output/output_writer.h"

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "itemlist/statistics.h"
#include "output/output_format.h"
#include "platform/clock.h"
#include "platform/file_system.h"
#include "platform/prompter.h"
#include "scan/scan_state.h"

namespace krellix {

WriteOutputFile::WriteOutputFile(OutputFileContext ctx) : ctx_(std::move(ctx)) {}

SaveMode WriteOutputFile::Init() {
  if (file_.IsOpen()) Close();
  OutputOptions& o = ctx_.options;
  if (!ctx_.dialogs.ShowSaveAs(o)) return SaveMode::kCancel;

  const std::string path = o.SaveName;
  delimiter_ = FieldDelimiter(o.OutputSep, o.Quotes);

  SaveMode mode = SaveMode::kReplace;
  if (FileExists(path)) {
    if (o.OutFilePrompt) {
      mode = ctx_.dialogs.AskSavingFile(path);
    } else if (o.OutFileReplace) {
      mode = SaveMode::kReplace;
    } else if (o.OutFileAppend) {
      mode = SaveMode::kAppend;
    } else {
      mode = SaveMode::kCancel;
    }
    if (mode == SaveMode::kCancel) return mode;
  }

  path_ = path;
  if (const FileResult opened =
          file_.Open(path, mode == SaveMode::kAppend ? WriteHow::kAppend : WriteHow::kReplace);
      !opened) {
    ctx_.prompter.ShowMessage(MessageKind::kError,
                              WithReason("Cannot open: " + path, opened.Error()));
    return mode;
  }

  ctx_.log.AddLogLine("Save " + path);
  if (o.Headers) {
    ctx_.Header1 = FileSavedHeader(FormatDateTimeOmitMidnight(ctx_.clock.Now(), ctx_.locale));
    WriteLines(HeaderBlock(ctx_.window_title, ctx_.copyright, ctx_.Header1, o.Header2));
  }
  if (ctx_.show_status) ctx_.show_status("Writing to " + NamePart(path));
  if (o.Titles) file_.WriteLine(TitleRow(o, delimiter_));
  return mode;
}

bool WriteOutputFile::Write(const ItemFields& fields) {
  if (!file_.IsOpen()) return false;
  const OutputOptions& o = ctx_.options;
  const std::string scan = o.ListScan && ctx_.scan_text ? ctx_.scan_text() : std::string();
  return file_.WriteLine(OutputRow(o, delimiter_, scan, fields));
}

bool WriteOutputFile::Close() {
  if (!file_.IsOpen()) return false;
  if (ctx_.options.Statistics && !ctx_.scan.ScanToFile) {
    const ScanStatistics stats = CalcStats(ctx_.items, ctx_.clock.Now());
    WriteLines(StatisticsBlock(stats, ctx_.locale));
  }
  const FileResult closed = file_.Close();
  if (closed) return true;
  ctx_.prompter.ShowMessage(MessageKind::kError,
                            WithReason("Close failed for: " + path_, closed.Error()));
  return false;
}

bool WriteOutputFile::WriteLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) {
    if (!file_.WriteLine(line)) return false;
  }
  return true;
}

}  // namespace krellix
