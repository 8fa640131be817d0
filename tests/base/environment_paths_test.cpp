#include "base/environment_paths.h"

#include <gtest/gtest.h>

#include "platform/file_system.h"
#include "support/temp_tree.h"

namespace krellix {
namespace {

TEST(ResolveEnvironmentPaths, PerUserFolderIsCreatedUnderTheConfigFolder) {
  test::TempTree t;
  const std::string program = t.Dir("bin");
  // The configuration folder does not exist yet, as on a fresh account.
  const SpecialFolders folders{t.Path("home/.config"), "/usr/bin/", t.Dir("home/Documents")};
  const EnvironmentPaths p = ResolveEnvironmentPaths(program, folders);

  EXPECT_TRUE(p.data_folder_ready);
  EXPECT_TRUE(DirectoryExists(t.Path("home/.config/Krellix")));
  EXPECT_EQ(p.ApplData, t.Path("home/.config/"));
  EXPECT_EQ(p.KrellixApplData, t.Path("home/.config/Krellix/"));
  EXPECT_EQ(p.IniName, t.Path("home/.config/Krellix/krellix.ini"));
  EXPECT_EQ(p.LogName, t.Path("home/.config/Krellix/krellix.log"));
  EXPECT_EQ(p.IncListName, t.Path("home/.config/Krellix/inclist.txt"));
  EXPECT_EQ(p.ExcListname, t.Path("home/.config/Krellix/exclist.txt"));
  EXPECT_EQ(p.FileListName, t.Path("home/.config/Krellix/filelist.txt"));
  EXPECT_EQ(p.SaveName, t.Path("home/Documents/scanlist.txt"));
  EXPECT_EQ(p.DefaultDir, t.Path("home/Documents/"));
  EXPECT_EQ(p.mruDir, t.Path("home/Documents/"));
  EXPECT_EQ(p.OpenWithDir, "/usr/bin/");
  EXPECT_EQ(p.StartUpDir, t.Path("bin/"));
}

TEST(ResolveEnvironmentPaths, SettingsFileBesideTheProgramMakesItPortable) {
  test::TempTree t;
  t.File("bin/krellix.ini");
  const SpecialFolders folders{t.Dir("home/.config"), "/usr/bin/", t.Dir("home")};
  const EnvironmentPaths p = ResolveEnvironmentPaths(t.Path("bin"), folders);

  EXPECT_EQ(p.KrellixApplData, t.Path("bin/"));
  EXPECT_EQ(p.IniName, t.Path("bin/krellix.ini"));
  EXPECT_EQ(p.ExcListname, t.Path("bin/exclist.txt"));
  EXPECT_FALSE(DirectoryExists(t.Path("home/.config/Krellix")));
}

TEST(ResolveEnvironmentPaths, UnknownConfigFolderKeepsFilesBesideTheProgram) {
  test::TempTree t;
  const EnvironmentPaths p = ResolveEnvironmentPaths(t.Path("bin/"), {"", "/usr/bin/", ""});
  EXPECT_EQ(p.KrellixApplData, t.Path("bin/"));
  EXPECT_EQ(p.SaveName, "scanlist.txt");
}

struct HelpCase {
  const char* name;
  std::vector<std::string> pages;  // help index pages that exist
  const char* expected;            // HelpName, below the tree
};

class HelpNameTest : public testing::TestWithParam<HelpCase> {};

TEST_P(HelpNameTest, FindsThePagesBesideTheProgramOrInstalled) {
  test::TempTree t;
  for (const std::string& page : GetParam().pages) t.File(page);
  const EnvironmentPaths p = ResolveEnvironmentPaths(t.Path("usr/bin"), {"", "", ""});
  EXPECT_EQ(p.HelpName, t.Path(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Places, HelpNameTest,
    testing::Values(HelpCase{"build_tree", {"usr/bin/help/index.html"}, "usr/bin/help/index.html"},
                    HelpCase{"installed",
                             {"usr/share/krellix/help/index.html"},
                             "usr/share/krellix/help/index.html"},
                    HelpCase{"beside_wins",
                             {"usr/bin/help/index.html", "usr/share/krellix/help/index.html"},
                             "usr/bin/help/index.html"},
                    HelpCase{"none_names_the_first_place", {}, "usr/bin/help/index.html"}),
    [](const testing::TestParamInfo<HelpCase>& info) { return info.param.name; });

TEST(ResolveEnvironmentPaths, ReportsAFolderThatCannotBeCreated) {
  test::TempTree t;
  const std::string file = t.File("not-a-folder");
  const EnvironmentPaths p = ResolveEnvironmentPaths(t.Path("bin/"), {file, "", t.Root()});
  EXPECT_FALSE(p.data_folder_ready);
  EXPECT_EQ(p.KrellixApplData, file + "/Krellix/");
}

}  // namespace
}  // namespace krellix
