#include "fileops/destination_list.h"

namespace krellix {

void AddDestination(std::vector<std::string>& list, std::string dest, int address_size) {
  const std::size_t keep = address_size > 0 ? static_cast<std::size_t>(address_size) - 1 : 0;
  if (list.size() > keep) list.erase(list.begin(), list.end() - static_cast<long>(keep));
  list.push_back(std::move(dest));
}

}  // namespace krellix
