#include "settings/user_prefs.h"

#include <charconv>
#include <cstdio>

namespace tovalo::settings {
namespace {

// Limits that keep a damaged or edited file from giving an absurd window or font.
constexpr std::int32_t kFarthest = 100000; // pixels from the screen's origin
constexpr std::int32_t kLargestSide = 100000;
constexpr double kSmallestPoints = 1;
constexpr double kLargestPoints = 1000;
constexpr std::int32_t kLargestMargin = 10;
constexpr std::size_t kLongestFace = 256;

std::u16string widen(const std::string &ascii) {
    return {ascii.begin(), ascii.end()};
}

// The text as ASCII; nothing when it holds any other character.
std::optional<std::string> narrow(const std::u16string &text) {
    std::string ascii;
    for (const char16_t c : text) {
        if (c > 0x7F)
            return std::nullopt;
        ascii += static_cast<char>(c);
    }
    return ascii;
}

std::u16string boolText(bool value) {
    return value ? u"true" : u"false";
}

std::u16string intText(std::int64_t value) {
    return widen(std::to_string(value));
}

std::u16string pointsText(double points) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, points);
    return widen(std::string(buffer, error == std::errc{} ? end : buffer));
}

std::u16string colourText(std::uint32_t rgb) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return widen(buffer);
}

// Reads the entries of a file, each value by its own rule; an entry that is missing or
// does not follow its rule reads as nothing.
class Reader {
public:
    explicit Reader(const PrefEntries &entries) : entries_(entries) {}

    const std::u16string *text(const std::string &key) const {
        const auto found = entries_.find(key);
        return found == entries_.end() ? nullptr : &found->second;
    }

    std::optional<bool> flag(const std::string &key) const {
        const std::u16string *value = text(key);
        if (value && *value == u"true")
            return true;
        if (value && *value == u"false")
            return false;
        return std::nullopt;
    }

    template <class Number>
    std::optional<Number> number(const std::string &key, Number lowest, Number highest) const {
        const std::u16string *value = text(key);
        const std::optional<std::string> ascii = value ? narrow(*value) : std::nullopt;
        if (!ascii)
            return std::nullopt;
        Number n{};
        const char *end = ascii->data() + ascii->size();
        const auto [last, error] = std::from_chars(ascii->data(), end, n);
        if (error != std::errc{} || last != end || ascii->empty() || !(n >= lowest) ||
            !(n <= highest))
            return std::nullopt;
        return n;
    }

    std::optional<std::uint32_t> colour(const std::string &key) const {
        const std::u16string *value = text(key);
        const std::optional<std::string> ascii = value ? narrow(*value) : std::nullopt;
        if (!ascii || ascii->size() != 7 || (*ascii)[0] != '#')
            return std::nullopt;
        std::uint32_t rgb = 0;
        const char *end = ascii->data() + ascii->size();
        const auto [last, error] = std::from_chars(ascii->data() + 1, end, rgb, 16);
        if (error != std::errc{} || last != end)
            return std::nullopt;
        return rgb;
    }

private:
    const PrefEntries &entries_;
};

std::optional<WindowPlace> readWindow(const Reader &in) {
    const auto left = in.number<std::int32_t>("window/left", -kFarthest, kFarthest);
    const auto top = in.number<std::int32_t>("window/top", -kFarthest, kFarthest);
    const auto width = in.number<std::int32_t>("window/width", 1, kLargestSide);
    const auto height = in.number<std::int32_t>("window/height", 1, kLargestSide);
    if (!left || !top || !width || !height)
        return std::nullopt;
    return WindowPlace{*left, *top, *width, *height, in.flag("window/maximized").value_or(false)};
}

std::optional<PaneFont> readFont(const Reader &in) {
    const std::u16string *face = in.text("font/face");
    const auto points = in.number<double>("font/points", kSmallestPoints, kLargestPoints);
    if (!face || face->empty() || face->size() > kLongestFace || !points)
        return std::nullopt;
    return PaneFont{*face,
                    *points,
                    in.flag("font/bold").value_or(false),
                    in.flag("font/italic").value_or(false),
                    in.flag("font/underline").value_or(false),
                    in.flag("font/strikeOut").value_or(false),
                    in.colour("font/colour")};
}

} // namespace

PrefEntries prefsToEntries(const UserPrefs &prefs) {
    PrefEntries entries{
        {"window/autoUpdate", boolText(prefs.autoUpdate)},
        {"window/margin", intText(prefs.margin)},
        {"options/verticalForms", boolText(prefs.verticalForms)},
        {"options/tateChuYoko", boolText(prefs.tateChuYoko)},
    };
    if (const std::optional<WindowPlace> &w = prefs.window) {
        entries["window/left"] = intText(w->left);
        entries["window/top"] = intText(w->top);
        entries["window/width"] = intText(w->width);
        entries["window/height"] = intText(w->height);
        entries["window/maximized"] = boolText(w->maximized);
    }
    if (const std::optional<PaneFont> &f = prefs.font) {
        entries["font/face"] = f->face;
        entries["font/points"] = pointsText(f->points);
        entries["font/bold"] = boolText(f->bold);
        entries["font/italic"] = boolText(f->italic);
        entries["font/underline"] = boolText(f->underline);
        entries["font/strikeOut"] = boolText(f->strikeOut);
        if (f->colour)
            entries["font/colour"] = colourText(*f->colour);
    }
    return entries;
}

UserPrefs prefsFromEntries(const PrefEntries &entries) {
    const Reader in(entries);
    UserPrefs prefs;
    prefs.window = readWindow(in);
    prefs.font = readFont(in);
    prefs.autoUpdate = in.flag("window/autoUpdate").value_or(prefs.autoUpdate);
    prefs.margin =
        in.number<std::int32_t>("window/margin", 0, kLargestMargin).value_or(prefs.margin);
    prefs.verticalForms = in.flag("options/verticalForms").value_or(prefs.verticalForms);
    prefs.tateChuYoko = in.flag("options/tateChuYoko").value_or(prefs.tateChuYoko);
    return prefs;
}

} // namespace tovalo::settings
