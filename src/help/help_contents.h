#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace krellix {

// One line of the help window's table of contents.
struct ContentsEntry {
  int level = 0;  // 0 for a top entry, 1 below it, ...
  std::string page;
  std::string title;
};

// Reads the table of contents: one entry a line, the page file name, a TAB and the title, the
// line indented by two blanks a level. Blank lines and lines starting with "#" are notes; a
// line without a TAB is left out.
std::vector<ContentsEntry> ParseHelpContents(std::string_view text);

// The text of a page's <title>, "" when it has none.
std::string HelpPageTitle(std::string_view html);

// The keywords a page gives for the index: the comma-separated words of its
// <meta name="keywords" content="..."> (blanks around each trimmed), in their order.
std::vector<std::string> HelpPageKeywords(std::string_view html);

// One line of the help index.
struct IndexEntry {
  std::string keyword;
  std::string page;
  std::string title;  // of the page
  // The same keyword leads to more than one page; the title tells them apart.
  bool shared = false;
};

// A page of the help with its text.
struct HelpPage {
  std::string page;
  std::string html;
};

// The index: every keyword of every page, sorted by keyword without regard to ASCII case and
// then by page title. A keyword a page gives twice is listed once for it.
std::vector<IndexEntry> BuildHelpIndex(const std::vector<HelpPage>& pages);

}  // namespace krellix
