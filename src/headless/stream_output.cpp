#include "headless/stream_output.h"

#include "itemlist/item_list.h"
#include "itemlist/statistics.h"
#include "output/output_format.h"
#include "output/output_options.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/crlf_line_writer.h"
#include "scan/scan_state.h"

namespace krellix {

void StreamOutput::Line(const std::string& line) {
  if (!out_.Write(line) || !out_.EndLine(kLineEnd)) ctx_.state.CancelStopEsc = true;
}

int StreamOutput::Init() {
  const OutputOptions& o = ctx_.options;
  delimiter_ = FieldDelimiter(o.OutputSep, o.Quotes);
  if (ctx_.names_only) return 1;
  if (o.Headers) {
    ctx_.Header1 = FileSavedHeader(FormatDateTimeOmitMidnight(ctx_.clock.Now(), ctx_.locale));
    for (const std::string& line :
         HeaderBlock(ctx_.window_title, ctx_.copyright, ctx_.Header1, o.Header2)) {
      Line(line);
    }
  }
  if (o.Titles) Line(TitleRow(o, delimiter_));
  return 1;
}

int StreamOutput::Write(const ItemFields& fields) {
  if (ctx_.names_only) {
    name_.assign(fields.Path).append(fields.File);
    if (!out_.Write(name_) || !out_.EndLine(std::string_view("\0", 1))) {
      ctx_.state.CancelStopEsc = true;
    }
    return 3;
  }
  const OutputOptions& o = ctx_.options;
  const std::string scan = o.ListScan && ctx_.scan_text ? ctx_.scan_text() : std::string();
  Line(OutputRow(o, delimiter_, scan, fields));
  return 3;
}

int StreamOutput::Close() {
  if (!ctx_.names_only && ctx_.options.Statistics && !ctx_.state.ScanToFile) {
    for (const std::string& line :
         StatisticsBlock(CalcStats(ctx_.items, ctx_.clock.Now()), ctx_.locale)) {
      Line(line);
    }
  }
  out_.Flush();
  return 3;
}

}  // namespace krellix
