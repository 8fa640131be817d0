#pragma once

#include "scan/scan_host.h"

namespace krellix {

class WriteOutputFile;

// The output writer as the scan run's output in scan-to-file mode. Init() gives 1 (replace or
// create) or 2 (append), and 3 when the user cancelled or the file could not be opened, so
// that no scan runs whose matches would go nowhere. Write() and Close() give 3.
class ScanOutputFile final : public ScanOutput {
 public:
  explicit ScanOutputFile(WriteOutputFile& writer) : writer_(writer) {}

  int Init() override;
  int Write(const ItemFields& fields) override;
  int Close() override;

 private:
  WriteOutputFile& writer_;
};

}  // namespace krellix
