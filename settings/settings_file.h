#pragma once

#include "engine/settings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tovalo::settings {

// Everything the settings file "Tov.ini" holds, record by record.
struct SettingsRecords {
    // Record 1: separator kind, start-up text, rule text. Record 2: the three character
    // options. Record 4: the mail program.
    engine::Settings settings;
    // Record 3: the texts of the height and line-count boxes, and whether the number
    // of lines is fixed (written as the check box state 1 or 0).
    std::u16string height = u"10";
    std::u16string lines = u"5";
    bool fixedLines = false;
    // Records 5 and 6: the texts of the source and the vertical pane.
    std::u16string source;
    std::u16string vertical;
};

inline constexpr int kSettingsRecordCount = 6;

// The file's bytes: six records of comma-separated fields, CR LF after every record.
// Texts are quoted, with any quotation mark inside them doubled. The file is code page
// 932 when that code page holds every character, else UTF-8 with a byte-order mark.
std::string writeSettingsFile(const SettingsRecords &records);

// Reads the fields, in either encoding, in the order they were written into `records`,
// stopping at the first field that is missing or not of its type. Fields read before
// that keep their new values, the others keep what `records` held. Returns the number
// of records read completely; the file is whole when that is kSettingsRecordCount.
int readSettingsFile(std::string_view bytes, SettingsRecords &records);

} // namespace tovalo::settings
