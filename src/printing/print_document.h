#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace krellix {

// One text on a printed page: its top left corner in device pixels, and its bytes.
struct PrintLine {
  int x = 0;
  int y = 0;
  std::string text;

  bool operator==(const PrintLine&) const = default;
};

using PrintPage = std::vector<PrintLine>;

// A print job: its title and its pages, each with its texts in the order they were drawn.
struct PrintDocument {
  std::string title;
  std::vector<PrintPage> pages;
};

// Draws texts on the pages of a document by line number: line n lies at y = n × the line
// height. A page break takes effect when the next text is drawn, so a job never ends on an
// empty sheet.
class PageWriter {
 public:
  PageWriter(PrintDocument& document, int line_height)
      : document_(document), line_height_(line_height) {}

  void Draw(int x, int line, std::string text);
  void BreakPage() { break_pending_ = true; }

 private:
  PrintDocument& document_;
  int line_height_;
  bool break_pending_ = false;
};

// The truncation rule of the prints: a text longer than `limit` characters is cut to `limit`
// characters, the last three of which become "...". Characters are counted as the display
// counts them, so a cut never splits one. A limit below one leaves nothing of a long text.
std::string CutText(std::string_view text, int limit);

}  // namespace krellix
