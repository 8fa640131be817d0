#include "platform/block_entry_facts.h"

#include <sys/stat.h>

#include "platform/attributes.h"
#include "platform/wall_time.h"

namespace krellix {

void BlockEntryFacts::Convert() {
  if (converted_) return;
  converted_ = true;
  const DirBlock::Entry& e = block_.Stated(index_);
  const char* name = block_.Name(index_);
  if (e.stat_state != DirBlock::StatState::kRead) {
    attributes_ = AttributesFromMode(name, 0);
    size_ = 0;
    modified_ = created_ = 0;
    dev_ = block_.DirDevice();
    return;
  }
  const RawEntryStat& s = e.stat;
  attributes_ = AttributesFromMode(name, s.mode);
  size_ = S_ISDIR(s.mode) ? 0 : static_cast<std::int64_t>(s.size);
  // Last-write times keep the two-second steps of the classic file times.
  const WallMs mtime = times_.FromUtc(s.mtime_sec);
  modified_ = mtime - (((mtime % 2000) + 2000) % 2000);
  if (s.has_btime) {
    created_ = times_.FromUtc(s.btime_sec, static_cast<int>(s.btime_nsec / 1'000'000));
  } else {
    created_ = times_.FromUtc(s.mtime_sec, static_cast<int>(s.mtime_nsec / 1'000'000));
  }
  dev_ = s.device;
}

std::uint32_t BlockEntryFacts::Attributes() {
  Convert();
  return attributes_;
}

std::int64_t BlockEntryFacts::Size() {
  Convert();
  return size_;
}

WallMs BlockEntryFacts::Modified() {
  Convert();
  return modified_;
}

WallMs BlockEntryFacts::Created() {
  Convert();
  return created_;
}

std::uint64_t BlockEntryFacts::Device() {
  Convert();
  return dev_;
}

}  // namespace krellix
