#include "navigation/list_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace krellix {

CheckListEntry ParseMarkLine(std::string_view line, MarkReading reading) {
  CheckListEntry e;
  e.checked = false;
  e.enabled = true;
  if (line.empty()) return e;
  const char mark = line.front();
  e.text = std::string(line.substr(1));
  if (mark == '+') {
    e.checked = true;
  } else if (mark == '*') {
    e.enabled = false;
  } else if (reading == MarkReading::kStartUp &&
             std::string_view("\\/:?<>|\"").find(mark) != std::string_view::npos) {
    e.enabled = false;
  }
  return e;
}

std::string MarkLine(const CheckListEntry& entry) {
  const char mark = !entry.enabled ? '*' : entry.checked ? '+' : '-';
  return mark + entry.text;
}

LinesRead ReadTextLines(const std::string& path) {
  LinesRead out;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) {
    out.ok = false;
    out.error = std::strerror(errno);
    return out;
  }
  std::string current;
  bool pending = false;
  char buf[65536];
  std::size_t n = 0;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    for (std::size_t i = 0; i < n; ++i) {
      if (buf[i] == '\n') {
        if (!current.empty() && current.back() == '\r') current.pop_back();
        out.lines.push_back(std::move(current));
        current.clear();
        pending = false;
      } else {
        current.push_back(buf[i]);
        pending = true;
      }
    }
  }
  if (std::ferror(f)) {
    out.ok = false;
    out.error = std::strerror(errno);
  }
  std::fclose(f);
  if (pending) {
    if (!current.empty() && current.back() == '\r') current.pop_back();
    out.lines.push_back(std::move(current));
  }
  return out;
}

WriteOutcome WriteTextLines(const std::string& path, const std::vector<std::string>& lines,
                            WriteMode mode) {
  std::FILE* f = std::fopen(path.c_str(), mode == WriteMode::kAppend ? "ab" : "wb");
  if (f == nullptr) return WriteOutcome::kOpenFailed;
  bool ok = true;
  for (const std::string& line : lines) {
    ok = ok && std::fwrite(line.data(), 1, line.size(), f) == line.size() &&
         std::fwrite("\r\n", 1, 2, f) == 2;
  }
  ok = (std::fflush(f) == 0) && ok;
  ok = (std::fclose(f) == 0) && ok;
  return ok ? WriteOutcome::kOk : WriteOutcome::kCloseFailed;
}

}  // namespace krellix
