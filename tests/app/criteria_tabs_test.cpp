#include "app/criteria_tabs.h"

#include <gtest/gtest.h>

namespace krellix {
namespace {

struct FileClick {
  FileBox box;
  bool now_checked;
  const char* caption;
};

TEST(FileTabCaption, LooksAtTheClickedBoxOnly) {
  const FileClick cases[] = {
      {FileBox::kPath, true, ">File"},     {FileBox::kPath, false, "File"},
      {FileBox::kName, true, "File"},      {FileBox::kName, false, ">File"},
      {FileBox::kExtension, true, "File"}, {FileBox::kExtension, false, ">File"},
  };
  for (const FileClick& c : cases) {
    EXPECT_EQ(FileTabCaption(c.box, c.now_checked), c.caption)
        << static_cast<int>(c.box) << " " << c.now_checked;
  }
}

TEST(AttribTabCaption, UnmarkedOnlyWhileAnyFileAndNormalAreChecked) {
  EXPECT_EQ(AttribTabCaption(true, true), "Attrib");
  EXPECT_EQ(AttribTabCaption(false, true), ">Attrib");
  EXPECT_EQ(AttribTabCaption(true, false), ">Attrib");
  EXPECT_EQ(AttribTabCaption(false, false), ">Attrib");
}

TEST(RangeAndSizeCaptions, MarkedWhileAnyBoxIsChecked) {
  SelectionCriteria c;
  EXPECT_EQ(SizeTabCaption(c), "Size");
  c.max.enabled = true;
  EXPECT_EQ(SizeTabCaption(c), ">Size");

  DateTimeRange r;
  EXPECT_EQ(RangeTabCaption("Created", r), "Created");
  r.to_time = true;
  EXPECT_EQ(RangeTabCaption("Created", r), ">Created");
  EXPECT_TRUE(IsMarkedCaption(">Created"));
  EXPECT_FALSE(IsMarkedCaption("Created"));
}

TEST(CaptionsFor, ResetCriteriaLeaveOnlyTheCreatedTabAsItWas) {
  SelectionCriteria c;
  c.use_path = true;
  c.any_file = false;
  c.min.enabled = true;
  c.modified.from_date = true;
  c.created.from_time = true;
  ResetSelectionCriteria(c, 0);
  const CriteriaCaptions captions = CaptionsFor(c);
  EXPECT_EQ(captions.file, "File");
  EXPECT_EQ(captions.attrib, "Attrib");
  EXPECT_EQ(captions.size, "Size");
  EXPECT_EQ(captions.modified, "Modified");
  EXPECT_EQ(captions.created, ">Created");
}

}  // namespace
}  // namespace krellix
