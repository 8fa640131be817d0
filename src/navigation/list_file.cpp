#include "navigation/list_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/crlf_line_writer.h"

namespace krellix {

CheckListEntry ParseMarkLine(std::string_view line, MarkReading reading) {
  // The marks this program writes, and those that only ever disabled an entry. A path here
  // starts with "/", so that character is no mark.
  constexpr std::string_view kDisablingMarks = "\\:?<>|\"";
  CheckListEntry e;
  e.checked = false;
  e.enabled = true;
  if (line.empty()) return e;
  const char mark = line.front();
  const bool disabling = kDisablingMarks.find(mark) != std::string_view::npos;
  if (mark != '+' && mark != '-' && mark != '*' && !disabling) {
    e.text = std::string(line);
    return e;
  }
  e.text = std::string(line.substr(1));
  if (mark == '+') {
    e.checked = true;
  } else if (mark == '*' || (disabling && reading == MarkReading::kStartUp)) {
    e.enabled = false;
  }
  return e;
}

std::string MarkLine(const CheckListEntry& entry) {
  const char mark = !entry.enabled ? '*' : entry.checked ? '+' : '-';
  return mark + entry.text;
}

std::string ForEachTextLine(const std::string& path,
                            const std::function<void(std::string_view)>& line) {
  std::FILE* f = std::fopen(path.c_str(), "rbe");
  if (f == nullptr) return std::strerror(errno);
  std::string content;
  struct stat st {};
  if (::fstat(::fileno(f), &st) == 0 && st.st_size > 0) {
    content.reserve(static_cast<std::size_t>(st.st_size));
  }
  char buf[65536];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) content.append(buf, n);
  std::string error;
  if (std::ferror(f)) error = std::strerror(errno);
  std::fclose(f);
  const std::string_view text(content);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view one = text.substr(start, end - start);
    if (!one.empty() && one.back() == '\r') one.remove_suffix(1);
    line(one);
    start = end + 1;
  }
  return error;
}

LinesRead ReadTextLines(const std::string& path) {
  LinesRead out;
  out.error =
      ForEachTextLine(path, [&out](std::string_view line) { out.lines.emplace_back(line); });
  out.ok = out.error.empty();
  return out;
}

WriteOutcome WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                            WriteMode mode) {
  CrlfLineWriter writer;
  if (FileResult opened =
          writer.Open(path, mode == WriteMode::kAppend ? WriteHow::kAppend : WriteHow::kReplace);
      !opened) {
    return {WriteOutcome::kOpenFailed, opened.Error()};
  }
  for (const std::string& line : lines) {
    if (!writer.WriteLine(line)) break;
  }
  if (FileResult committed = writer.Close(); !committed) {
    return {WriteOutcome::kCloseFailed, committed.Error()};
  }
  return {};
}

}  // namespace krellix
