#include "printing/item_prints.h"

#include "base/activity_log.h"
#include "itemlist/item_list.h"
#include "output/output_options.h"
#include "platform/prompter.h"
#include "scan/scan_state.h"

namespace krellix {
namespace {

// Both item prints head their first page with these lines, from line 1; returns the line the
// items start on. Later pages carry no header.
int DrawItemHeader(PageWriter& out, const PrintContext& ctx, int x) {
  int n = 1;
  out.Draw(x, n++, PrintTitleLine(ctx));
  if (ctx.options.ListScan) out.Draw(x, n++, "- Scan string: " + ctx.scan_text());
  ctx.header1 = "- File printed on: " + PrintedOnText(ctx);
  out.Draw(x, n++, ctx.header1);
  out.Draw(x, n++, ctx.options.Header2);
  return n;
}

// Closes a full page below line `n` with the page number and starts the next page; returns
// the line the next page starts on.
int DrawFooter(PageWriter& out, int x, int n, int& pages) {
  ++n;  // one line left empty
  out.Draw(x, n++, "_____________");
  out.Draw(x, n, "Page - " + std::to_string(++pages));
  out.BreakPage();
  return 1;
}

void ShowAndLog(const PrintContext& ctx, const std::string& text) {
  ctx.show_status(text);
  ctx.log.AddLogLine(text);
}

bool Printed(const PrintContext& ctx, std::size_t i) {
  return ctx.print_all_items || ctx.items.Selected(i);
}

}  // namespace

ReportColumns ReportColumnsOf(const PrinterEnvironment& env, const OutputOptions& options) {
  ReportColumns c;
  c.file_x = env.prMarginW + 2 * env.prFontW;
  c.date_x = env.prPageW - 20 * env.prFontW;
  c.size_x = options.ListDate ? env.prPageW - 35 * env.prFontW : c.date_x;
  const int file_end = options.ListSize ? c.size_x : env.prPageW;
  c.file_limit = (file_end - c.file_x) / env.prFontW;
  c.path_limit = (env.prPageW - env.prMarginW) / env.prFontW;
  return c;
}

std::string ListLineOf(const ItemFieldViews& f, const OutputOptions& options) {
  std::string line;
  if (options.ListVolume) line.append(f.Vol).append(kItemSep);
  if (options.ListPath) line.append(f.Path);
  line.append(f.File).append(kItemSep);
  if (options.ListSize) line.append(f.Size).append(kItemSep);
  if (options.ListDate) line.append(f.Date).append(kItemSep);
  return line;
}

PrintResult ReportSelectedItems(const PrintContext& ctx, PrintTarget& printer) {
  // A stop left over from a scan must not end this print before it starts.
  ctx.state.CancelStopEsc = false;
  ctx.show_status("Printing... ");
  PrintResult result;
  if (!ctx.items.Empty()) {
    ctx.log.AddLogLine("Print=Report");
    const PrinterEnvironment env = SetPrinterEnvironment(printer.Metrics());
    result.environment = env;
    const ReportColumns col = ReportColumnsOf(env, ctx.options);
    PrintDocument document{"Krellix report", {}};
    PageWriter out(document, env.prFontH);
    int n = DrawItemHeader(out, ctx, env.prMarginW);
    int pages = 0;
    std::string last_path;
    // Count() is read at every step: the list may change while events are handled.
    for (std::size_t i = 0; i < ctx.items.Count(); ++i) {
      if (Printed(ctx, i)) {
        const ItemFieldViews f = ctx.items.Fields(i);
        ++result.count;
        if (f.Path != last_path) {
          last_path = f.Path;
          ++n;  // one line left empty
          std::string heading;
          if (ctx.options.ListVolume) heading.append("[").append(f.Vol).append("]  ");
          if (ctx.options.ListPath) heading.append(f.Path);
          out.Draw(env.prMarginW, n++, CutText(heading, col.path_limit));
        }
        out.Draw(col.file_x, n, CutText(f.File, col.file_limit));
        if (ctx.options.ListSize) out.Draw(col.size_x, n, std::string(f.Size));
        if (ctx.options.ListDate) out.Draw(col.date_x, n, std::string(f.Date));
        ++n;
        // With a directory heading the line number can step past the mark; it breaks then too.
        if (n >= env.prLines - 5) n = DrawFooter(out, env.prMarginW, n, pages);
      }
      ctx.prompter.ProcessEvents();
      if (ctx.state.CancelStopEsc) {
        // Nothing of an aborted job reaches the printer; the lines left are passed over.
        result.outcome = PrintOutcome::kCancelled;
        break;
      }
    }
    if (result.outcome != PrintOutcome::kCancelled) {
      result.outcome =
          SubmitPrintJob(ctx, printer, document) ? PrintOutcome::kPrinted : PrintOutcome::kFailed;
    }
  }
  const std::string count = "Print_count=" + std::to_string(result.count);
  if (result.outcome == PrintOutcome::kCancelled) {
    ctx.show_status("Print cancelled");
    ctx.log.AddLogLine(count);
  } else if (result.outcome != PrintOutcome::kFailed) {
    ShowAndLog(ctx, count);
  }
  ctx.after_print();
  return result;
}

PrintResult ListSelectedItems(const PrintContext& ctx, PrintTarget& printer) {
  ctx.show_status("Printing... ");
  PrintResult result;
  PrinterEnvironment env = SetPrinterEnvironment(printer.Metrics());
  const int line_limit = (env.prPageW - 2 * env.prMarginW) / env.prFontW;
  if (!ctx.items.Empty()) {
    ctx.log.AddLogLine("Print=List");
    env = SetPrinterEnvironment(printer.Metrics());
    result.environment = env;
    PrintDocument document{"Krellix list", {}};
    PageWriter out(document, env.prFontH);
    int n = DrawItemHeader(out, ctx, env.prMarginW);
    int pages = 0;
    for (std::size_t i = 0; i < ctx.items.Count(); ++i) {
      if (!Printed(ctx, i)) continue;
      ++result.count;
      out.Draw(env.prMarginW, n++,
               CutText(ListLineOf(ctx.items.Fields(i), ctx.options), line_limit));
      if (n > env.prLines - 5) n = DrawFooter(out, env.prMarginW, n, pages);
    }
    result.outcome =
        SubmitPrintJob(ctx, printer, document) ? PrintOutcome::kPrinted : PrintOutcome::kFailed;
  }
  if (result.outcome != PrintOutcome::kFailed) {
    ShowAndLog(ctx, "Print_count=" + std::to_string(result.count));
  }
  ctx.after_print();
  return result;
}

}  // namespace krellix
