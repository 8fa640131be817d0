#pragma once

#include <functional>
#include <string>

#include "output/locale_format.h"
#include "scan/scan_host.h"

namespace krellix {

class Clock;
class ItemList;
class StreamWriter;
struct OutputOptions;
struct ScanState;

// The rows of a scan on a stream (standard output), as the output file holds them: the header
// block (Headers), the title row (Titles), one row per item and, for a list written after the
// scan (scan-to-file mode off), the statistics block (Statistics); every line ended by CR LF.
// With `names_only`, each item's full name ended by a NUL byte and nothing else.
//
// A stream that fails (a reader that went away, a full disk) sets CancelStopEsc, so the run
// stops at its next entry; the writer keeps the reason.
class StreamOutput final : public ScanOutput {
 public:
  struct Context {
    const OutputOptions& options;
    ScanState& state;       // ScanToFile; CancelStopEsc when the stream fails
    const ItemList& items;  // the statistics at Close
    std::string& Header1;   // set to "- File saved on: " ... when a header block is written
    const Clock& clock;
    const LocaleFormat& locale;
    std::function<std::string()> scan_text;  // the scan string column
    std::string window_title;                // line 2 of the header block
    std::string copyright;
    bool names_only = false;
  };

  StreamOutput(Context ctx, StreamWriter& out) : ctx_(std::move(ctx)), out_(out) {}

  // Writes the header block and the title row; gives 1 (there is no file to append to).
  int Init() override;
  // Writes one row; gives 3, as the output file's writer does.
  int Write(const ItemFields& fields) override;
  // Writes the statistics block and flushes; gives 3.
  int Close() override;

 private:
  void Line(const std::string& line);

  Context ctx_;
  StreamWriter& out_;
  std::string delimiter_;
  std::string name_;
};

}  // namespace krellix
