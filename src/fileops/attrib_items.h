#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "fileops/file_ops_host.h"
#include "platform/wall_time.h"

namespace krellix {

// One attribute group of the "Set Attribute(s)" dialog: set it, leave it, clear it.
enum class AttribChoice { kOn, kKeep, kOff };

// What the "Set Attribute(s)" dialog holds at OK.
struct AttribChoices {
  AttribChoice read_only = AttribChoice::kKeep;
  AttribChoice hidden = AttribChoice::kKeep;
  AttribChoice archive = AttribChoice::kKeep;
  AttribChoice system = AttribChoice::kKeep;
  bool set_date = false;
  CivilDateTime date;  // local wall time of the date and time pickers
};

// Shows the dialog; its choices, or nothing when it was cancelled.
using AttribDialog = std::function<std::optional<AttribChoices>()>;

// The attribute word `word` with the four choices applied; other bits unchanged.
std::uint32_t ApplyAttribChoices(std::uint32_t word, const AttribChoices& choices);

// The modification time as it is stored: the seconds rounded down to even. Nothing for a date
// outside the years 1980 to 2107 or no valid calendar date.
std::optional<CivilDateTime> StoredModifiedTime(const CivilDateTime& t);

// "Attrib": asks for the choices through `dialog`, then applies them to every selected item,
// last line first, asking "Set attributes for N ? " (Yes, No, Cancel, Yes to all) while
// "Confirm Attrib file" is on. Ends with "Attribute_count=t Total=n Time=hh:mm:ss:zzz" in the
// status bar and the log. A line whose item was renamed (hidden on or off) names the new name
// afterwards; its place follows the list's order.
void AttribSelectedItems(FileOpsContext& ctx, const AttribDialog& dialog);

// Applies `choices` to the item `name` of line `selected_item`: read-only, then hidden (a
// rename to or from a leading "." that never replaces an existing name), then the
// modification time. System and archive cannot be stored and are left as they are (noted in
// `unstored` when a choice asked to change them). On success `t` grows by one,
// "Attribute_update=" is logged and the result is kYes; `new_name` receives the item's name
// afterwards. On failure "Attribute_Failed=" is logged, the reason shown, and the answer to
// "Attrib failed for N ..." (Yes or Cancel) is the result; changes made before the failure stay.
Answer AttribFromItemList(FileOpsContext& ctx, const AttribChoices& choices, int& t,
                          std::int64_t selected_item, const std::string& name,
                          std::string& new_name, bool& unstored);

}  // namespace krellix
