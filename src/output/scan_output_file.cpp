#include "output/scan_output_file.h"

#include "output/output_writer.h"

namespace krellix {

int ScanOutputFile::Init() {
  const SaveMode mode = writer_.Init();
  if (!writer_.IsOpen()) return static_cast<int>(SaveMode::kCancel);
  return static_cast<int>(mode);
}

int ScanOutputFile::Write(const ItemFields& fields) {
  writer_.Write(fields);
  return static_cast<int>(SaveMode::kCancel);
}

int ScanOutputFile::Close() {
  writer_.Close();
  return static_cast<int>(SaveMode::kCancel);
}

}  // namespace krellix
