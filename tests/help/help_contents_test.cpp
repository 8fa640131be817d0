#include "help/help_contents.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "help/help_topics.h"

namespace krellix {
namespace {

TEST(ParseHelpContents, ReadsLevelsPagesAndTitles) {
  const std::vector<ContentsEntry> entries = ParseHelpContents(
      "# a note\r\n"
      "index.html\tWelcome\r\n"
      "\n"
      "  a.html\tFirst  topic \n"
      "    b.html\tDeeper\n"
      "no tab here\n"
      "  c.html\tBack up");
  ASSERT_EQ(entries.size(), 4u);
  const std::vector<std::tuple<int, std::string, std::string>> expected = {
      {0, "index.html", "Welcome"},
      {1, "a.html", "First  topic"},
      {2, "b.html", "Deeper"},
      {1, "c.html", "Back up"}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(std::tuple(entries[i].level, entries[i].page, entries[i].title), expected[i]) << i;
  }
}

TEST(HelpPage, TitleAndKeywords) {
  const std::string html =
      "<html><head><title> Copy and move </title>"
      "<meta name=\"keywords\" content=\"copy, F5 ,, move\"></head></html>";
  EXPECT_EQ(HelpPageTitle(html), "Copy and move");
  EXPECT_EQ(HelpPageKeywords(html), (std::vector<std::string>{"copy", "F5", "move"}));
  EXPECT_EQ(HelpPageTitle("<p>no title</p>"), "");
  EXPECT_TRUE(HelpPageKeywords("<title>x</title>").empty());
}

std::string Page(const std::string& title, const std::string& keywords) {
  return "<title>" + title + "</title><meta name=\"keywords\" content=\"" + keywords + "\">";
}

TEST(BuildHelpIndex, SortsWithoutCaseAndMarksSharedKeywords) {
  const std::vector<IndexEntry> index = BuildHelpIndex(
      {{"b.html", Page("Bee", "zebra, apple, Mask, apple")}, {"a.html", Page("Ant", "mask")}});
  std::vector<std::string> lines;
  for (const IndexEntry& e : index) {
    lines.push_back(e.keyword + "|" + e.page + "|" + e.title + (e.shared ? "|shared" : ""));
  }
  EXPECT_EQ(lines, (std::vector<std::string>{"apple|b.html|Bee", "Mask|b.html|Bee|shared",
                                             "mask|a.html|Ant|shared", "zebra|b.html|Bee"}));
}

// The pages shipped in help/.
class ShippedHelp : public testing::Test {
 protected:
  static std::string Read(const std::string& page) {
    std::ifstream in(std::string(KRELLIX_HELP_DIR) + "/" + page, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static bool Exists(const std::string& page) {
    return std::filesystem::is_regular_file(std::string(KRELLIX_HELP_DIR) + "/" + page);
  }
  std::vector<ContentsEntry> contents_ = ParseHelpContents(Read(kHelpContentsFile));
};

TEST_F(ShippedHelp, EveryTopicNumberHasAListedPage) {
  std::set<std::string> listed;
  for (const ContentsEntry& e : contents_) listed.insert(e.page);
  for (const HelpTopic& t : HelpTopics()) {
    EXPECT_TRUE(Exists(t.page)) << t.number << " " << t.page;
    EXPECT_EQ(listed.count(t.page), 1u) << t.page << " is not in the contents";
    EXPECT_EQ(HelpPageOf(t.number), t.page);
  }
  EXPECT_EQ(HelpPageOf(9999), kHelpContentsPage);
  EXPECT_EQ(contents_.front().page, kHelpContentsPage);
}

TEST_F(ShippedHelp, EveryPageHasATitleKeywordsAndLinksThatLeadSomewhere) {
  ASSERT_GE(contents_.size(), HelpTopics().size());
  const std::regex href("href=\"([^\"#:]+)(#[^\"]*)?\"");
  for (const ContentsEntry& e : contents_) {
    const std::string html = Read(e.page);
    ASSERT_FALSE(html.empty()) << e.page;
    EXPECT_EQ(HelpPageTitle(html), e.title) << e.page;
    EXPECT_FALSE(HelpPageKeywords(html).empty()) << e.page;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), href);
         it != std::sregex_iterator(); ++it) {
      EXPECT_TRUE(Exists((*it)[1].str())) << e.page << " links to " << (*it)[1].str();
    }
  }
}

}  // namespace
}  // namespace krellix
