#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

namespace tovalo::settings {

// The entries of the per-user file "tovalo.conf": "group/key" to its text.
using PrefEntries = std::map<std::string, std::u16string>;

// Where the main window stood, in pixels, and whether it filled the screen.
struct WindowPlace {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool maximized = false;

    bool operator==(const WindowPlace &) const = default;
};

// The display font of the vertical pane as the user chose it.
struct PaneFont {
    std::u16string face;
    double points = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    std::optional<std::uint32_t> colour; // 0xRRGGBB; nothing: the system's text colour

    bool operator==(const PaneFont &) const = default;
};

// What the window keeps across runs beside "Tov.ini", which keeps exactly its six
// records. Each value missing from the file, or not readable, gives its default.
struct UserPrefs {
    std::optional<WindowPlace> window; // nothing: the window's first size and place
    std::optional<PaneFont> font;      // nothing: the initial font of the panes
    bool autoUpdate = false;           // "自動更新"
    std::int32_t margin = 0;           // "余白", 0 to 10
    bool verticalForms = false;        // "縦書き用の記号"
    bool tateChuYoko = false;          // "数字2桁を横に並べる"

    bool operator==(const UserPrefs &) const = default;
};

PrefEntries prefsToEntries(const UserPrefs &prefs);
UserPrefs prefsFromEntries(const PrefEntries &entries);

} // namespace tovalo::settings
