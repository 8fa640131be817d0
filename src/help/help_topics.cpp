#include "help/help_topics.h"

namespace krellix {
namespace {

constexpr HelpTopic kTopics[] = {
    {kJumpstartTopic, "jumpstart.html"},  // the "Help (F1)" button, "Jumpstart"
    {kKeyboardTopic, "keyboard.html"},    // "Keyboard"
    {kLicenseTopic, "license.html"},      // "&License"
    {kWhatsNewTopic, "whats_new.html"},   // "&What's new"
    {2040, "configuration.html"},         // "Krellix - Configuration"
    {2080, "copy_move.html"},             // "Copy / Move"
    {2090, "attributes.html"},            // "Set Attribute(s)"
    {2110, "rename.html"},                // "Rename"
    {2130, "printing.html"},              // "Print"
    {2150, "directories.html"},           // "Create directory "
};

}  // namespace

std::span<const HelpTopic> HelpTopics() { return kTopics; }

std::string HelpPageOf(int topic) {
  for (const HelpTopic& t : kTopics) {
    if (t.number == topic) return t.page;
  }
  return kHelpContentsPage;
}

}  // namespace krellix
