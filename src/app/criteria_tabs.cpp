#include "app/criteria_tabs.h"

namespace krellix {
namespace {

std::string Marked(const std::string& name, bool marked) { return marked ? ">" + name : name; }

}  // namespace

std::string FileTabCaption(FileBox clicked, bool now_checked) {
  const bool marked = clicked == FileBox::kPath ? now_checked : !now_checked;
  return Marked("File", marked);
}

std::string AttribTabCaption(bool any_file, bool normal) {
  return Marked("Attrib", !(any_file && normal));
}

std::string SizeTabCaption(const SelectionCriteria& c) {
  return Marked("Size", c.min.enabled || c.max.enabled);
}

std::string RangeTabCaption(const std::string& name, const DateTimeRange& range) {
  return Marked(name, range.AnyChecked());
}

bool IsMarkedCaption(const std::string& caption) {
  return !caption.empty() && caption.front() == '>';
}

CriteriaCaptions CaptionsFor(const SelectionCriteria& c) {
  // The "File" tab is marked when any of its boxes differs from the plain file name test.
  const bool file_marked = c.use_path || !c.use_name || !c.use_ext;
  return {Marked("File", file_marked), AttribTabCaption(c.any_file, c.normal), SizeTabCaption(c),
          RangeTabCaption("Modified", c.modified), RangeTabCaption("Created", c.created)};
}

}  // namespace krellix
