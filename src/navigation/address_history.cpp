#include "navigation/address_history.h"

#include "platform/file_system.h"

namespace krellix {

void AddressHistory::Assign(std::vector<std::string> entries) {
  entries_ = std::move(entries);
  position_ = 0;
}

void AddressHistory::BookmarkAddress(std::string dir, int address_size) {
  dir = WithTrailingDelim(std::move(dir));
  entries_.insert(entries_.begin(), std::move(dir));
  position_ = 0;
  // An AddressSize of 1 or less keeps nothing, as the size rule says.
  const std::size_t keep = address_size > 1 ? static_cast<std::size_t>(address_size - 1) : 0;
  while (entries_.size() > keep) entries_.pop_back();
}

void AddressHistory::RecordChange(const std::string& dir, int address_size) {
  if (!suppress_) BookmarkAddress(dir, address_size);
  suppress_ = false;
}

std::optional<std::string> AddressHistory::Previous() {
  if (entries_.empty()) return std::nullopt;
  suppress_ = true;
  position_ = position_ + 1 >= entries_.size() ? 0 : position_ + 1;
  return entries_[position_];
}

std::optional<std::string> AddressHistory::Next() {
  if (entries_.empty()) return std::nullopt;
  suppress_ = true;
  position_ = position_ == 0 ? entries_.size() - 1 : position_ - 1;
  return entries_[position_];
}

}  // namespace krellix
