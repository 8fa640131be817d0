#include "printing/log_print.h"

#include "base/activity_log.h"

namespace krellix {

PrintResult PrintLogfile(const PrintContext& ctx, PrintTarget& printer) {
  ctx.show_status("Printing... ");
  PrintResult result;
  if (!ctx.log.Lines().empty()) {
    ctx.log.AddLogLine("Print=Log");
    const PrinterEnvironment env = SetPrinterEnvironment(printer.Metrics());
    result.environment = env;
    PrintDocument document{"Krellix log", {}};
    PageWriter out(document, env.prFontH);
    // The log starts at the page's left edge and at line 0, and has no page footer.
    constexpr int kX = 1;
    out.Draw(kX, 0, PrintTitleLine(ctx));
    ctx.header1 = "- Log printed on: " + PrintedOnText(ctx);
    out.Draw(kX, 1, ctx.header1);
    int n = 2;
    for (const std::string& line : ctx.log.Lines()) {
      out.Draw(kX, n++, line);
      ++result.count;
      if (n > env.prLines) {
        out.BreakPage();
        n = 0;
      }
    }
    result.outcome =
        SubmitPrintJob(ctx, printer, document) ? PrintOutcome::kPrinted : PrintOutcome::kFailed;
  }
  if (result.outcome != PrintOutcome::kFailed) {
    const std::string text = "Lines_Printed=" + std::to_string(result.count);
    ctx.show_status(text);
    ctx.log.AddLogLine(text);
  }
  ctx.after_print();
  return result;
}

}  // namespace krellix
