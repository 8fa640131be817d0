#include "scan/item_entry.h"

#include <algorithm>
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
    case kAttr:
      return f.Attr;
    case kVol:
      return f.Vol;
    case kPath:
      return f.Path;
    case kFile:
      return f.File;
    case kSize:
      return f.Size;
    case kDate:
      break;
  }
  return f.Date;
}

}  // namespace

bool IsItemOrder(char sort_output) { return OrderOf(sort_output) != nullptr; }

std::string BuildItemEntry(const ItemFields& f, char sort_output, ItemLayout* layout) {
  const Order* order = OrderOf(sort_output);
  if (order == nullptr) {
    order = OrderOf('P');
    sort_output = 'P';
  }
  std::string padded;
  if (sort_output == 'S' && f.Size.size() < 12) {
    padded.assign(12 - f.Size.size(), '0');
    padded += f.Size;
  }
  std::string line;
  line.reserve(f.Attr.size() + f.Vol.size() + f.Path.size() + f.File.size() + 12 + f.Date.size() +
               5 * kItemSep.size());
  if (layout != nullptr) layout->order = sort_output;
  for (std::size_t i = 0; i < order->size(); ++i) {
    if (i > 0) line += kItemSep;
    const FieldId id = (*order)[i];
    const std::string& text = (id == kSize && !padded.empty()) ? padded : FieldRef(f, id);
    line += text;
    if (layout != nullptr && i < layout->lengths.size()) {
      layout->lengths[i] = static_cast<std::uint32_t>(text.size());
    }
  }
  return line;
}

ItemFieldViews ItemFieldsOf(std::string_view line, const ItemLayout& layout) {
  ItemFieldViews f;
  const Order* order = OrderOf(layout.order);
  if (order == nullptr) return f;
  std::string_view rest = line;
  for (std::size_t i = 0; i < order->size(); ++i) {
    std::string_view& out = FieldRef(f, (*order)[i]);
    if (i + 1 == order->size()) {
      out = rest;
      break;
    }
    const std::size_t n = std::min<std::size_t>(layout.lengths[i], rest.size());
    out = rest.substr(0, n);
    rest.remove_prefix(std::min(rest.size(), n + kItemSep.size()));
  }
  return f;
}

std::string ItemFieldViews::Filename() const {
  std::string name;
  name.reserve(Path.size() + File.size());
  return name.append(Path).append(File);
}

ItemFields ItemFieldViews::ToFields() const {
  return {std::string(Attr), std::string(Vol),  std::string(Path),
          std::string(File), std::string(Size), std::string(Date)};
}

bool IsDotEntry(std::string_view path) {
  const auto slash = path.rfind(kPathDelim);
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return name == "." || name == "..";
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
