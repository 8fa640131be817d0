#include "itemlist/item_click.h"

#include "itemlist/item_list_ops.h"

namespace krellix {

std::string ClickStatusText(std::size_t selected_count, const std::string& full_name,
                            const std::optional<std::uint32_t>& attributes) {
  if (selected_count >= 2) return std::to_string(selected_count) + " items selected";
  return full_name + (attributes ? AttributeLetters(*attributes) : std::string("  [not found]"));
}

std::string LocalFileUrl(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  for (const char ch : path) {
    const auto c = static_cast<unsigned char>(ch);
    const bool keep = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
    if (keep) {
      url.push_back(ch);
    } else {
      url.push_back('%');
      url.push_back(kHex[c >> 4]);
      url.push_back(kHex[c & 0x0F]);
    }
  }
  return url;
}

}  // namespace krellix
