#include "rename/rename_rules.h"

#include <algorithm>
#include <charconv>

#include "rename/name_text.h"

namespace krellix {
namespace {

using P = RenameParameters;

std::size_t Count(const std::string& field) {
  return static_cast<std::size_t>(std::max(0LL, NumberField(field)));
}

std::string EditName(const RenameItem& item, const P& p) {
  std::string name = item.name;
  const std::size_t len = NameLength(name);
  switch (p.tab) {
    case P::EditTab::kReplace:
      if (p.old_text == "*.*") return p.new_text;
      return ReplaceIgnoringCase(name, p.old_text, p.new_text, p.replace_all);
    case P::EditTab::kCrop: {
      if (p.crop == P::Crop::kRemove) {
        const std::size_t n = Count(p.remove_count);
        const long long at = NumberField(p.remove_position);
        if (n == 0 || at < 1 || static_cast<std::size_t>(at) > len) return name;
        const auto first = static_cast<std::size_t>(at - 1);
        return NameMid(name, 0, first) + NameMid(name, first + n);
      }
      const std::size_t n = std::min(Count(p.last_count), len);
      if (p.crop == P::Crop::kRemoveLast) return NameMid(name, 0, len - n);
      if (p.crop == P::Crop::kKeepLast) return NameMid(name, len - n);
      return name;
    }
    case P::EditTab::kInsert: {
      const std::size_t at = Count(p.insert_position);
      if (p.insert_text.empty() || at >= len) return name;
      return NameMid(name, 0, at) + p.insert_text + NameMid(name, at);
    }
    case P::EditTab::kSwap: {
      const std::size_t n = std::min(Count(p.swap_count), len);
      if (p.swap == P::Swap::kFirst) return NameMid(name, n) + NameMid(name, 0, n);
      if (p.swap == P::Swap::kLast) return NameMid(name, len - n) + NameMid(name, 0, len - n);
      return name;
    }
    case P::EditTab::kPath: {
      if (p.path != P::PathLevels::kSkip) {
        std::vector<std::string> levels;
        SplitPath(item.path, levels);
        if (!levels.empty()) levels.erase(levels.begin());
        const std::size_t all = levels.size();
        const std::size_t n =
            p.path == P::PathLevels::kAddAll ? all : std::min(Count(p.path_count), all);
        const std::size_t first = p.path == P::PathLevels::kAddLast ? all - n : 0;
        std::string joined;
        for (std::size_t i = first; i < first + n; ++i) joined += levels[i];
        name = joined + "_" + name;
      }
      name = ReplaceAll(name, "/", "_");
      if (!name.empty() && name.front() == '_') name.erase(0, 1);
      return name;
    }
  }
  return name;
}

std::string AddParts(std::string name, const RenameItem& item, const P& p,
                     const std::function<std::string(const std::string&)>& md5) {
  name = p.prefix + name + p.suffix;
  if (p.date_prefix) name = item.date + "  " + name;
  if (p.date_suffix) name += " " + item.date;
  if (p.md5_prefix || p.md5_suffix) {
    const std::string sum = md5(item.FullName());
    if (p.md5_prefix) name = "[" + sum + "] " + name;
    if (p.md5_suffix) name += " [" + sum + "]";
  }
  return name;
}

std::string ChangeCase(std::string name, const P& p) {
  if (p.percent20_blank) name = ReplaceAll(name, "%20", " ");
  if (p.underscore_blank) name = ReplaceAll(name, "_", " ");
  switch (p.letter_case) {
    case P::Case::kKeep:
      return name;
    case P::Case::kUpper:
      return NameUpper(name);
    case P::Case::kLower:
      return NameLower(name);
    case P::Case::kTitle:
      return NameTitleCase(name);
    case P::Case::kSentence:
      return NameSentenceCase(name);
  }
  return name;
}

std::string NewExtension(const RenameItem& item, const P& p) {
  if (p.extension == P::Extension::kSkip) return item.extension;
  std::string value = item.extension;
  if (!p.extension_text.empty()) {
    value = p.extension_text.front() == '.' ? p.extension_text : "." + p.extension_text;
  }
  switch (p.extension) {
    case P::Extension::kAdd:
      return item.extension + value;
    case P::Extension::kReplace:
      return value;
    case P::Extension::kDelete:
      return "";
    case P::Extension::kSkip:
      break;
  }
  return item.extension;
}

}  // namespace

long long NumberField(const std::string& text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} ? value : 0;
}

void SplitPath(std::string path_name, std::vector<std::string>& path_levels) {
  path_levels.clear();
  if (path_name.empty() || path_name.back() != '/') path_name += '/';
  const std::size_t first = path_name.find('/');
  if (first == path_name.size() - 1) return;
  path_levels.emplace_back();
  for (std::size_t at = first; at + 1 < path_name.size();) {
    const std::size_t next = path_name.find('/', at + 1);
    path_levels.push_back(path_name.substr(at, next - at));
    at = next;
  }
}

RenameItem RenameItemOf(std::string_view full_name, std::string_view attr,
                        std::string_view date_field) {
  RenameItem item;
  item.is_directory = attr == ".";
  const std::size_t slash = full_name.rfind('/');
  const std::size_t name_at = slash == std::string_view::npos ? 0 : slash + 1;
  item.path = std::string(full_name.substr(0, name_at));
  if (item.path.empty() || item.path.back() != '/') item.path += '/';
  const std::string_view file = full_name.substr(name_at);
  const std::size_t dot = file.rfind('.');
  if (item.is_directory || dot == std::string_view::npos) {
    item.name = std::string(file);
  } else {
    item.name = std::string(file.substr(0, dot));
    item.extension = std::string(file.substr(dot));
  }
  // "yyyy-mm-dd hh:mm" without its time.
  item.date = std::string(date_field.substr(0, 10)) +
              std::string(date_field.size() > 16 ? date_field.substr(16) : std::string_view{});
  return item;
}

RenameNumber StartNumber(const RenameParameters& p) { return {NumberField(p.start), p.start}; }

void AdvanceNumber(const RenameParameters& p, RenameNumber& number) {
  if (p.number == P::NumberPlace::kSkip) return;
  number.counter += NumberField(p.step);
  number.text = std::to_string(number.counter);
}

std::string NewFullName(const RenameItem& item, const RenameParameters& p, RenameNumber& number,
                        const std::function<std::string(const std::string&)>& md5) {
  if (p.number != P::NumberPlace::kSkip) {
    const auto fill = static_cast<std::size_t>(std::max(0LL, NumberField(p.zero_fill)));
    if (number.text.size() < fill) number.text.insert(0, fill - number.text.size(), '0');
  }
  std::string name = AddParts(EditName(item, p), item, p, md5);
  const std::string separator = p.use_separator ? p.separator : std::string();
  if (p.number == P::NumberPlace::kPrefix) name = number.text + separator + name;
  if (p.number == P::NumberPlace::kSuffix) name += separator + number.text;
  name = ChangeCase(std::move(name), p);
  return item.path + name + NewExtension(item, p);
}

}  // namespace krellix
