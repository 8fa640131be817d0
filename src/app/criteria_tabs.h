#pragma once

#include <string>

#include "scan/selection_criteria.h"

namespace krellix {

// Captions of the criteria tabs. A caption that starts with ">" tells the user that the tab
// holds active criteria. The captions follow the user's clicks on the tabs' boxes.

// The boxes of the "File" tab.
enum class FileBox { kPath, kName, kExtension };

// After a click on a "File" box: checking "Path" marks the tab; unchecking "Name" or
// "Extension" marks it. Only the clicked box is looked at.
std::string FileTabCaption(FileBox clicked, bool now_checked);
// After a click on "Any file" or "Normal": unmarked only while both are checked.
std::string AttribTabCaption(bool any_file, bool normal);
// After a click on "Min." or "Max.": marked while either is checked.
std::string SizeTabCaption(const SelectionCriteria& c);
// After a click on a box of the "Modified" or "Created" tab (`name`): marked while any of its
// four boxes is checked.
std::string RangeTabCaption(const std::string& name, const DateTimeRange& range);

// True for a caption that carries the ">" marker.
bool IsMarkedCaption(const std::string& caption);

// The captions of all six tabs for a whole set of criteria, as after a reset.
struct CriteriaCaptions {
  std::string file, attrib, size, modified, created;
};
CriteriaCaptions CaptionsFor(const SelectionCriteria& c);

}  // namespace krellix
