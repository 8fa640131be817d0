#include "printing/print_job.h"

#include "base/activity_log.h"
#include "output/locale_format.h"
#include "platform/clock.h"
#include "platform/prompter.h"

namespace krellix {

std::string PrintTitleLine(const PrintContext& ctx) {
  return "- " + ctx.window_title + " -- " + ctx.copyright;
}

std::string PrintedOnText(const PrintContext& ctx) {
  return FormatDateTimeOmitMidnight(ctx.clock.Now(), ctx.locale);
}

void ReportPrintFailure(const PrintContext& ctx, const std::string& printer_name) {
  ctx.show_status("Cannot print on: " + printer_name);
  ctx.log.AddLogLine("Print_Failed=" + printer_name);
  ctx.prompter.ShowMessage(MessageKind::kError, "Cannot print on: " + printer_name);
}

bool SubmitPrintJob(const PrintContext& ctx, PrintTarget& printer, const PrintDocument& document) {
  if (printer.Print(document)) return true;
  ReportPrintFailure(ctx, printer.Name());
  return false;
}

}  // namespace krellix
