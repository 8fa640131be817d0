#include "information/information.h"

#include "platform/file_system.h"
#include "platform/volume_labels.h"

namespace krellix {
namespace {

std::string Kbytes(double value, int decimals, const LocaleFormat& locale) {
  return FormatNumber(value, decimals, locale) + " Kbytes";
}

std::string SpaceText(const std::optional<std::uint64_t>& bytes, const LocaleFormat& locale) {
  if (!bytes) return "unknown";
  // Whole Kbytes by integer division: free space is never rounded up.
  const std::uint64_t kbytes = *bytes / 1024;
  return Kbytes(static_cast<double>(kbytes), 0, locale);
}

}  // namespace

std::vector<InfoLine> ItemListInformation(const ScanStatistics* stats, const LocaleFormat& locale) {
  std::vector<InfoLine> lines = {
      {"Total number of files = ", kUnknownValue}, {"Total size of files = ", kUnknownValue},
      {"Smallest file size = ", kUnknownValue},    {"Largest file size = ", kUnknownValue},
      {"Smallest file name = ", kUnknownValue},    {"Largest file name = ", kUnknownValue},
      {"Oldest file date = ", kUnknownValue},      {"Youngest file date = ", kUnknownValue},
      {"Youngest file name = ", kUnknownValue},    {"Oldest file name = ", kUnknownValue},
  };
  if (stats == nullptr || stats->TotalFiles <= 0) return lines;
  const ScanStatistics& s = *stats;
  const std::string values[] = {FormatNumber(static_cast<double>(s.TotalFiles), 0, locale),
                                Kbytes(s.TotalSize, 0, locale),
                                Kbytes(s.SmallestSize, 3, locale),
                                Kbytes(s.LargestSize, 3, locale),
                                s.SmallestName,
                                s.LargestName,
                                s.OldestDate,
                                s.YoungestDate,
                                s.YoungestName,
                                s.OldestName};
  for (std::size_t i = 0; i < lines.size(); ++i) lines[i].value = values[i];
  return lines;
}

std::vector<InfoLine> EnvironmentInformation(const EnvironmentPaths& paths,
                                             const StartupOptions& startup,
                                             const OutputNames& output) {
  return {
      {"Output header-1 = ", output.header1},
      {"Output header-2 = ", output.header2},
      {"Output file = ", output.save_name},
      {"Help file = ", paths.HelpName},
      {"StartUp Directory =", startup.StartUpDir},
      {"StartUp parameters =", startup.StartUpParm},
      {"Directory list file =", paths.IncListName},
      {"File list file =", paths.FileListName},
      {" .Ini file =", startup.SkipIni ? std::string("Disabled") : paths.IniName},
      {"Log file =", paths.LogName},
      {"Application data =", paths.ApplData},
      {"Program Files =", paths.ProgFiles},
      {"My Documents =", paths.MyDocs},
      {"Open with... =", paths.OpenWithDir},
  };
}

std::vector<InfoLine> FileInformation(const SelectionTotals& totals, const LocaleFormat& locale) {
  return {
      {"Number of files = ", FormatNumber(static_cast<double>(totals.count), 0, locale)},
      {"Total filesize = ", FormatNumber(totals.kbytes, 0, locale) + " KBytes"},
  };
}

DriveFacts ReadDriveFacts(const std::string& mount_point, const std::string& directory,
                          VolumeLabels& labels) {
  DriveFacts facts;
  if (DirectoryExists(mount_point)) facts.label = labels.LabelOfPath(mount_point);
  std::uint64_t total = 0;
  std::uint64_t free = 0;
  if (DiskSpace(directory, total, free)) {
    facts.total_bytes = total;
    facts.free_bytes = free;
  }
  return facts;
}

std::vector<InfoLine> DriveInformation(const DriveFacts& drive, const LocaleFormat& locale) {
  return {
      {"Volume = ", drive.label ? *drive.label : std::string("unknown")},
      {"Total space = ", SpaceText(drive.total_bytes, locale)},
      {"Free space = ", SpaceText(drive.free_bytes, locale)},
  };
}

}  // namespace krellix
