#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/environment_paths.h"
#include "base/startup_options.h"
#include "itemlist/item_list_ops.h"
#include "itemlist/statistics.h"
#include "output/locale_format.h"

namespace krellix {

class VolumeLabels;

// One line of an information display: its caption and the value shown after it.
struct InfoLine {
  std::string caption;
  std::string value;

  bool operator==(const InfoLine&) const = default;
};

inline constexpr const char* kItemListGroup = " Item list information ";
inline constexpr const char* kEnvironmentGroup = " Environment information ";
inline constexpr const char* kUnknownValue = "** unknown **";

// The ten lines of the item list group. Every value is kUnknownValue when `stats` is null (the
// list is not kept: scan-to-file mode) or counted no line; else the number of files without
// decimals, the total size in whole Kbytes, the smallest and largest size with three decimals,
// the names and the dates as they are.
std::vector<InfoLine> ItemListInformation(const ScanStatistics* stats, const LocaleFormat& locale);

// What the environment group shows of the output file.
struct OutputNames {
  std::string header1;    // the header line of the last file saved
  std::string header2;    // the user's header line
  std::string save_name;  // the output file
};

// The fourteen lines of the environment group. The settings file shows "Disabled" while the
// program runs without one.
std::vector<InfoLine> EnvironmentInformation(const EnvironmentPaths& paths,
                                             const StartupOptions& startup,
                                             const OutputNames& output);

// The "File info" window's lines: the number of files and their total size in whole KBytes.
std::vector<InfoLine> FileInformation(const SelectionTotals& totals, const LocaleFormat& locale);

// What the file system tells of a drive; an empty member is a query that failed.
struct DriveFacts {
  std::optional<std::string> label;
  std::optional<std::uint64_t> total_bytes;
  std::optional<std::uint64_t> free_bytes;
};

// The label of the file system mounted at `mount_point`, and the total and free space of the
// file system holding `directory`.
DriveFacts ReadDriveFacts(const std::string& mount_point, const std::string& directory,
                          VolumeLabels& labels);

// The "Drive info" window's lines: the label, and the total and free space in whole Kbytes;
// "unknown" for what could not be queried.
std::vector<InfoLine> DriveInformation(const DriveFacts& drive, const LocaleFormat& locale);

}  // namespace krellix
