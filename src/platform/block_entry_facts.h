#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/dir_block.h"
#include "platform/entry_facts.h"

namespace krellix {

class LocalTimeConverter;

// The facts of one entry of a DirBlock. Metadata the block already holds costs nothing; the
// rest is read with one statx relative to the block's directory, only when asked.
class BlockEntryFacts final : public EntryFacts {
 public:
  BlockEntryFacts(DirBlock& block, LocalTimeConverter& times) : block_(block), times_(times) {}

  void MoveTo(std::size_t index) {
    index_ = index;
    converted_ = false;
  }

  bool IsDirectory() override { return block_.IsDirectory(index_); }
  std::uint32_t Attributes() override;
  bool IsVolumeId() override { return false; }
  std::int64_t Size() override;
  WallMs Modified() override;
  WallMs Created() override;
  std::uint64_t Device() override;

 private:
  void Convert();

  DirBlock& block_;
  LocalTimeConverter& times_;
  std::size_t index_ = 0;
  bool converted_ = false;
  std::uint32_t attributes_ = 0;
  std::int64_t size_ = 0;
  WallMs modified_ = 0, created_ = 0;
  std::uint64_t dev_ = 0;
};

}  // namespace krellix
