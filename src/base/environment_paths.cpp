#include "base/environment_paths.h"

namespace krellix {
namespace {

std::string Folder(const std::string& path) {
  return path.empty() ? path : WithTrailingDelim(path);
}

// The help pages lie beside the program in a build tree, and in <prefix>/share/krellix/help
// once installed with the program in <prefix>/bin. Neither there: the first place.
std::string HelpIndexFor(const std::string& start_up_dir) {
  const std::string index = std::string("help") + kPathDelim + "index.html";
  const std::string beside = start_up_dir + index;
  if (FileExists(beside) || start_up_dir.size() < 2) return beside;
  const std::string prefix = DirectoryPart(start_up_dir.substr(0, start_up_dir.size() - 1));
  const std::string installed = prefix + "share" + kPathDelim + "krellix" + kPathDelim + index;
  return FileExists(installed) ? installed : beside;
}

}  // namespace

EnvironmentPaths ResolveEnvironmentPaths(const std::string& start_up_dir,
                                         const SpecialFolders& folders) {
  EnvironmentPaths p;
  p.StartUpDir = WithTrailingDelim(start_up_dir);
  p.ApplData = Folder(folders.appl_data);
  p.ProgFiles = Folder(folders.prog_files);
  p.OpenWithDir = p.ProgFiles;
  p.MyDocs = Folder(folders.my_docs);

  if (FileExists(p.StartUpDir + "krellix.ini") || p.ApplData.empty()) {
    // An empty ApplData would put the files relative to whatever the working directory is.
    p.KrellixApplData = p.StartUpDir;
  } else {
    p.KrellixApplData = p.ApplData + "Krellix" + kPathDelim;
    // A fresh account may not have the configuration folder itself yet.
    p.data_folder_ready = (DirectoryExists(p.ApplData) || CreateDirectory(p.ApplData)) &&
                          CreateDirectory(p.KrellixApplData);
  }
  p.IniName = p.KrellixApplData + "krellix.ini";
  p.LogName = p.KrellixApplData + "krellix.log";
  p.IncListName = p.KrellixApplData + "inclist.txt";
  p.ExcListname = p.KrellixApplData + "exclist.txt";
  p.FileListName = p.KrellixApplData + "filelist.txt";
  p.SaveName = p.MyDocs + "scanlist.txt";
  p.HelpName = HelpIndexFor(p.StartUpDir);
  p.DefaultDir = p.MyDocs;
  p.mruDir = p.MyDocs;
  return p;
}

}  // namespace krellix
