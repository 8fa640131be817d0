#pragma once

#include <string>
#include <string_view>

namespace krellix {

// The "File name:" check of the "Save as..." dialog. False for an empty text, true for one or
// two characters. From the third character on, a control character (codes 0 to 31), the double
// quote, "*", ":", "<", ">", "?" and "|" are refused; the first two characters are never tested,
// "\" and "/" pass anywhere, and so does every character above code 127. Characters are counted
// as UTF-8 sequences; bytes that are not UTF-8 count one each.
bool ValidFilename(std::string_view filename);

// The check of a single name without a path: true for an empty text, else true when no
// character is a control character (codes 0 to 31), the double quote, "*", "/", ":", "<", ">",
// "?", "\" or "|". Characters above code 127 always pass.
bool ValidFileNameChars(std::string_view name);

// `path` with the extension of its name part replaced by (or, without one, followed by)
// `extension` (dot included). An empty path stays empty.
std::string WithExtension(std::string_view path, std::string_view extension);

}  // namespace krellix
