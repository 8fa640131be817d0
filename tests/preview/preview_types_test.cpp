#include "preview/preview_types.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_tree.h"

namespace krellix {
namespace {

TEST(IsMediaFileTest, ExtensionFromTheLastDotInUpperCase) {
  const struct {
    const char* name;
    bool media;
  } kCases[] = {
      {"/m/song.mp3", true},    {"/m/SONG.MP3", true}, {"/m/clip.Avi", true},
      {"/m/a.wma", true},       {"/m/a.wav", true},    {"/m/a.mpg", true},
      {"/m/a.wmv", true},       {"/m/a.ogg", true},    {"/m/a.oga", true},
      {"/m/a.opus", true},      {"/m/a.flac", true},   {"/m/a.mp4", true},
      {"/m/a.mkv", true},       {"/m/a.webm", true},   {"/m/song.mp3.txt", false},
      {"/m/a.mpeg", false},     {"/m/mp3", false},     {"/m/a.mp", false},
      {"/m.mp3/readme", false}, {"/m/.mp3", true},     {"/m/a.", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(IsMediaFile(c.name), c.media) << c.name;
}

TEST(PreviewKindTest, TheLastTableThatTakesTheFileWins) {
  const struct {
    const char* name;
    bool force_text;
    PreviewKind kind;
  } kCases[] = {
      {"/p/photo.JpG", false, PreviewKind::kPicture},
      {"/p/scan.tiff", false, PreviewKind::kPicture},
      {"/p/logo.svg", false, PreviewKind::kPicture},
      {"/p/a.webp", false, PreviewKind::kPicture},
      {"/p/notes.txt", false, PreviewKind::kText},
      {"/p/setup.conf", false, PreviewKind::kText},
      {"/p/run.sh", false, PreviewKind::kText},
      {"/p/song.mp3", false, PreviewKind::kMedia},
      {"/p/tune.mid", false, PreviewKind::kMedia},
      {"/p/film.mpeg", false, PreviewKind::kMedia},
      {"/p/README", false, PreviewKind::kNone},
      {"/p/archive.zip", false, PreviewKind::kNone},
      {"/p.png/README", false, PreviewKind::kNone},
      // Forced to text: a picture shows its bytes, a media file still plays.
      {"/p/photo.jpg", true, PreviewKind::kText},
      {"/p/song.mp3", true, PreviewKind::kMedia},
      {"/p/README", true, PreviewKind::kText},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(PreviewKindOf(c.name, c.force_text), c.kind) << c.name << " " << c.force_text;
  }
}

TEST(TextPreviewTest, ALargeFileShowsItsStartWithANote) {
  test::TempTree tree;
  const std::string small = tree.File("small.txt", 10);
  const std::string big = tree.File("big.txt", 3'000'000);
  const auto whole = ReadTextPreview(small);
  ASSERT_TRUE(whole);
  EXPECT_EQ(whole->bytes.size(), 10u);
  EXPECT_FALSE(whole->cut);
  const auto start = ReadTextPreview(big);
  ASSERT_TRUE(start);
  EXPECT_EQ(start->bytes.size(), kTextPreviewLimit);
  EXPECT_TRUE(start->cut);
  EXPECT_EQ(start->Note(), "(only the first 1,048,576 of 3,000,000 bytes are shown)");
}

TEST(TextPreviewTest, WhatIsNoRegularFileIsRefusedWithoutWaiting) {
  test::TempTree tree;
  const std::string fifo = tree.Path("pipe.txt");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // With no writer on the pipe, a plain open would wait for ever.
  EXPECT_FALSE(ReadTextPreview(fifo));
  EXPECT_FALSE(ReadTextPreview(tree.Dir("folder.txt")));
  EXPECT_FALSE(ReadTextPreview(tree.Path("missing.txt")));
}

TEST(ZoomStepTest, GrowsToTheNaturalSizeAndShrinksTo15Pixels) {
  const PictureSize natural{400, 300};
  EXPECT_EQ(ZoomStep({200, 150}, natural, true), (PictureSize{220, 165}));
  EXPECT_EQ(ZoomStep({400, 299}, natural, true), (PictureSize{440, 328}));
  EXPECT_EQ(ZoomStep({400, 300}, natural, true), std::nullopt);
  EXPECT_EQ(ZoomStep({200, 150}, natural, false), (PictureSize{180, 135}));
  EXPECT_EQ(ZoomStep({16, 16}, natural, false), (PictureSize{15, 15}));
  EXPECT_EQ(ZoomStep({15, 40}, natural, false), std::nullopt);
}

}  // namespace
}  // namespace krellix
