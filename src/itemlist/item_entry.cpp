#include "itemlist/item_entry.h"

#include <algorithm>
#include <array>

#include "platform/file_system.h"

namespace krellix {
namespace {

enum FieldId { kAttr, kVol, kPath, kFile, kSize, kDate };
using Order = std::array<FieldId, 6>;

const Order& FieldsOf(ItemOrder order) {
  static constexpr Order kP{kAttr, kVol, kPath, kFile, kSize, kDate};
  static constexpr Order kF{kAttr, kVol, kFile, kSize, kDate, kPath};
  static constexpr Order kS{kAttr, kVol, kSize, kPath, kFile, kDate};
  static constexpr Order kD{kAttr, kVol, kDate, kPath, kFile, kSize};
  switch (order) {
    case ItemOrder::kPath:
    case ItemOrder::kArrival:
      break;
    case ItemOrder::kFile:
      return kF;
    case ItemOrder::kSize:
      return kS;
    case ItemOrder::kDate:
      return kD;
  }
  return kP;
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

std::optional<ItemOrder> ItemOrderOf(char letter) {
  for (const ItemOrder order : {ItemOrder::kPath, ItemOrder::kArrival, ItemOrder::kFile,
                                ItemOrder::kSize, ItemOrder::kDate}) {
    if (LetterOf(order) == letter) return order;
  }
  return std::nullopt;
}

std::string BuildItemEntry(const ItemFields& f, ItemOrder item_order, ItemLayout* layout) {
  std::string line;
  BuildItemEntry(f, item_order, layout, line);
  return line;
}

void BuildItemEntry(const ItemFields& f, ItemOrder item_order, ItemLayout* layout,
                    std::string& line) {
  const Order* order = &FieldsOf(item_order);
  std::string padded;
  if (item_order == ItemOrder::kSize && f.Size.size() < 12) {
    padded.assign(12 - f.Size.size(), '0');
    padded += f.Size;
  }
  line.clear();
  line.reserve(f.Attr.size() + f.Vol.size() + f.Path.size() + f.File.size() + 12 + f.Date.size() +
               5 * kItemSep.size());
  if (layout != nullptr) layout->order = item_order;
  for (std::size_t i = 0; i < order->size(); ++i) {
    if (i > 0) line += kItemSep;
    const FieldId id = (*order)[i];
    const std::string& text = (id == kSize && !padded.empty()) ? padded : FieldRef(f, id);
    line += text;
    if (layout != nullptr && i < layout->lengths.size()) {
      layout->lengths[i] = static_cast<std::uint32_t>(text.size());
    }
  }
}

ItemFieldViews ItemFieldsOf(std::string_view line, const ItemLayout& layout) {
  ItemFieldViews f;
  const Order* order = &FieldsOf(layout.order);
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
