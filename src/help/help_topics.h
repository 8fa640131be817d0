#pragma once

#include <span>
#include <string>

namespace krellix {

// The help topic numbers the program's windows open, and the page that explains each.
inline constexpr int kJumpstartTopic = 1020;
inline constexpr int kKeyboardTopic = 1030;
inline constexpr int kLicenseTopic = 1040;
inline constexpr int kWhatsNewTopic = 1060;

// The first page of the help, with the table of contents.
inline constexpr const char* kHelpContentsPage = "index.html";
// The table of contents and index of the help window, beside the pages.
inline constexpr const char* kHelpContentsFile = "contents.txt";

struct HelpTopic {
  int number;
  const char* page;
};

// Every topic number a window or command opens.
std::span<const HelpTopic> HelpTopics();

// The page of `topic`; the contents page for a number no page has.
std::string HelpPageOf(int topic);

}  // namespace krellix
