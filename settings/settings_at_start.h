#pragma once

#include "settings/settings_file.h"

#include <optional>
#include <string>
#include <utility>

namespace tovalo::settings {

// What start-up learned of the settings file that shut-down must not lose.
struct SettingsAtStart {
    // A settings file exists that start-up did not read whole: shut-down keeps it
    // under another name before it writes the new one.
    bool keepUnreadFile = false;
    // The source and vertical texts of a file read whole, while start-up showed
    // something else in the panes (the manual, a blank page or its failure text).
    std::optional<std::pair<std::u16string, std::u16string>> unshownTexts;
    // The source pane's text when start-up ended.
    std::u16string startSource;
};

// The records shut-down writes: the current ones, except that the texts of the last
// run stay when start-up did not show them and the source pane still holds what
// start-up put there. Until the user writes a text of their own, the last one survives.
SettingsRecords recordsToWrite(SettingsRecords current, const SettingsAtStart &start);

} // namespace tovalo::settings
