#include "help/help_contents.h"

#include <algorithm>
#include <tuple>

#include "platform/ascii_text.h"

namespace krellix {
namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// The text between the first `open` and the next `close` after it; false when either is missing.
bool Between(std::string_view text, std::string_view open, std::string_view close,
             std::string_view& inside) {
  const std::size_t start = text.find(open);
  if (start == std::string_view::npos) return false;
  const std::size_t from = start + open.size();
  const std::size_t end = text.find(close, from);
  if (end == std::string_view::npos) return false;
  inside = text.substr(from, end - from);
  return true;
}

}  // namespace

std::vector<ContentsEntry> ParseHelpContents(std::string_view text) {
  std::vector<ContentsEntry> entries;
  while (!text.empty()) {
    const std::size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view() : text.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::size_t indent = line.find_first_not_of(' ');
    if (indent == std::string_view::npos || line[indent] == '#') continue;
    const std::size_t tab = line.find('\t', indent);
    if (tab == std::string_view::npos) continue;
    entries.push_back({static_cast<int>(indent / 2),
                       std::string(Trimmed(line.substr(indent, tab - indent))),
                       std::string(Trimmed(line.substr(tab + 1)))});
  }
  return entries;
}

std::string HelpPageTitle(std::string_view html) {
  std::string_view title;
  return Between(html, "<title>", "</title>", title) ? std::string(Trimmed(title)) : "";
}

std::vector<std::string> HelpPageKeywords(std::string_view html) {
  std::string_view words;
  if (!Between(html, "<meta name=\"keywords\" content=\"", "\"", words)) return {};
  std::vector<std::string> keywords;
  while (true) {
    const std::size_t comma = words.find(',');
    const std::string_view word = Trimmed(words.substr(0, comma));
    if (!word.empty()) keywords.emplace_back(word);
    if (comma == std::string_view::npos) break;
    words.remove_prefix(comma + 1);
  }
  return keywords;
}

std::vector<IndexEntry> BuildHelpIndex(const std::vector<HelpPage>& pages) {
  std::vector<IndexEntry> index;
  for (const HelpPage& p : pages) {
    const std::string title = HelpPageTitle(p.html);
    for (std::string& keyword : HelpPageKeywords(p.html)) {
      index.push_back({std::move(keyword), p.page, title});
    }
  }
  const auto key = [](const IndexEntry& e) {
    return std::tuple(AsciiLower(e.keyword), e.keyword, e.title, e.page);
  };
  std::sort(index.begin(), index.end(),
            [&key](const IndexEntry& a, const IndexEntry& b) { return key(a) < key(b); });
  index.erase(std::unique(index.begin(), index.end(),
                          [](const IndexEntry& a, const IndexEntry& b) {
                            return a.keyword == b.keyword && a.page == b.page;
                          }),
              index.end());
  for (std::size_t i = 0; i < index.size(); ++i) {
    const bool same_before =
        i > 0 && AsciiLower(index[i - 1].keyword) == AsciiLower(index[i].keyword);
    const bool same_after =
        i + 1 < index.size() && AsciiLower(index[i + 1].keyword) == AsciiLower(index[i].keyword);
    index[i].shared = same_before || same_after;
  }
  return index;
}

}  // namespace krellix
