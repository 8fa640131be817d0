#pragma once

#include <string>
#include <vector>

namespace krellix {

// The drop-down of destinations confirmed in the "Copy / Move" dialog, oldest first: `dest` is
// added at the end after the oldest entries have left the front until fewer than `address_size`
// remain. The same destination may stand several times.
void AddDestination(std::vector<std::string>& list, std::string dest, int address_size);

}  // namespace krellix
