#include "settings/settings_at_start.h"

namespace tovalo::settings {

SettingsRecords recordsToWrite(SettingsRecords current, const SettingsAtStart &start) {
    if (start.unshownTexts && current.source == start.startSource) {
        current.source = start.unshownTexts->first;
        current.vertical = start.unshownTexts->second;
    }
    return current;
}

} // namespace tovalo::settings
