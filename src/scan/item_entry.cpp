#include "scan/item_entry.h"

#include <array>

#include "platform/file_system.h"

namespace krellix {
namespace {

enum FieldId { kAttr, kVol, kPath, kFile, kSize, kDate };
using Order = std::array<FieldId, 6>;

const Order* OrderOf(char sort_output) {
  static constexpr Order kP{kAttr, kVol, kPath, kFile, kSize, kDate};
  static constexpr Order kF{kAttr, kVol, kFile, kSize, kDate, kPath};
  static constexpr Order kS{kAttr, kVol, kSize, kPath, kFile, kDate};
  static constexpr Order kD{kAttr, kVol, kDate, kPath, kFile, kSize};
  switch (sort_output) {
    case 'P':
    case '-':
      return &kP;
    case 'F':
      return &kF;
    case 'S':
      return &kS;
    case 'D':
      return &kD;
    default:
      return nullptr;
  }
}

template <typename Fields>
auto& FieldRef(Fields& f, FieldId id) {
  switch (id) {
    case kAttr: return f.Attr;
    case kVol: return f.Vol;
    case kPath: return f.Path;
    case kFile: return f.File;
    case kSize: return f.Size;
    case kDate: break;
  }
  return f.Date;
}

}  // namespace

bool IsItemOrder(char sort_output) { return OrderOf(sort_output) != nullptr; }

std::string BuildItemEntry(const ItemFields& f, char sort_output) {
  const Order* order = OrderOf(sort_output);
  if (order == nullptr) order = OrderOf('P');
  std::string padded;
  if (sort_output == 'S' && f.Size.size() < 12) {
    padded.assign(12 - f.Size.size(), '0');
    padded += f.Size;
  }
  std::string line;
  line.reserve(f.Attr.size() + f.Vol.size() + f.Path.size() + f.File.size() + 12 +
               f.Date.size() + 5 * kItemSep.size());
  for (std::size_t i = 0; i < order->size(); ++i) {
    if (i > 0) line += kItemSep;
    const FieldId id = (*order)[i];
    line += (id == kSize && !padded.empty()) ? padded : FieldRef(f, id);
  }
  return line;
}

ItemFields GetItemListFields(std::string_view line, char sort_output) {
  ItemFields f;
  const Order* order = OrderOf(sort_output);
  if (order == nullptr) return f;
  std::string_view rest = line;
  for (std::size_t i = 0; i < order->size(); ++i) {
    std::string& out = FieldRef(f, (*order)[i]);
    if (i + 1 == order->size()) {
      out.assign(rest);
      break;
    }
    const auto sep = rest.find(kItemSep);
    if (sep == std::string_view::npos) {
      // No separator left: this field takes what remains, the later ones stay empty.
      out.assign(rest);
      break;
    }
    out.assign(rest.substr(0, sep));
    rest.remove_prefix(sep + kItemSep.size());
  }
  return f;
}

std::string GetItemListAttr(std::string_view line, char sort_output) {
  return GetItemListFields(line, sort_output).Attr;
}

std::string GetItemListFilename(std::string_view line, char sort_output) {
  ItemFields f = GetItemListFields(line, sort_output);
  return f.Path + f.File;
}

std::string GetItemListFiledate(std::string_view line, char sort_output) {
  return GetItemListFields(line, sort_output).Date;
}

std::string_view ExtensionOf(std::string_view path) {
  const auto slash = path.rfind(kPathDelim);
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const auto dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string GetFilenameOnly(std::string_view path) {
  const auto slash = path.rfind(kPathDelim);
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  const std::string_view ext = ExtensionOf(name);
  if (ext.empty()) return std::string(name);
  return std::string(name.substr(0, name.find(ext)));
}

}  // namespace krellix
