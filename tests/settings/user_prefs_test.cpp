// The entries of the per-user file: what each value reads as, and that what is written
// reads back the same.
#include "settings/user_prefs.h"

#include <gtest/gtest.h>

using namespace tovalo::settings;

namespace {

const PrefEntries kWindow{{"window/left", u"-20"},
                          {"window/top", u"30"},
                          {"window/width", u"800"},
                          {"window/height", u"600"}};

PrefEntries with(PrefEntries entries, const std::string &key, const std::u16string &value) {
    entries[key] = value;
    return entries;
}

TEST(UserPrefs, WrittenPrefsReadBackTheSame) {
    const UserPrefs prefs{
        .window = WindowPlace{-20, 30, 800, 600, true},
        .font = PaneFont{u"ＭＳ ゴシック, 明朝", 10.5, true, true, false, true, 0x12AB00},
        .autoUpdate = true,
        .margin = 10,
        .verticalForms = true};
    EXPECT_TRUE(prefsFromEntries(prefsToEntries(prefs)) == prefs);
}

// Each spoiled value gives its own default and leaves the others.
TEST(UserPrefs, DamagedEntriesGiveTheDefaultOfWhatTheySpoil) {
    const struct {
        const char *name;
        PrefEntries entries;
        bool windowKept;
    } cases[] = {
        {"none", {}, false},
        {"whole", kWindow, true},
        {"width missing", with(kWindow, "window/width", u""), false},
        {"width zero", with(kWindow, "window/width", u"0"), false},
        {"height huge", with(kWindow, "window/height", u"99999999999"), false},
        {"left with a space", with(kWindow, "window/left", u" 5"), false},
        {"top with full-width digits", with(kWindow, "window/top", u"３０"), false},
        {"top with a fraction", with(kWindow, "window/top", u"3.5"), false},
        {"maximised not a flag", with(kWindow, "window/maximized", u"yes"), true},
        {"flags not words", {{"window/autoUpdate", u"1"}, {"options/tateChuYoko", u"TRUE"}}, false},
        {"margin above 10", {{"window/margin", u"11"}}, false},
        {"margin negative", {{"window/margin", u"-1"}}, false},
        {"font without face", {{"font/points", u"12"}}, false},
        {"font of no size", {{"font/face", u"Serif"}, {"font/points", u"0"}}, false},
        {"font size not a number", {{"font/face", u"Serif"}, {"font/points", u"nan"}}, false},
        {"font face far too long",
         {{"font/face", std::u16string(300, u'a')}, {"font/points", u"9"}},
         false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const UserPrefs prefs = prefsFromEntries(c.entries);
        EXPECT_EQ(prefs.window.has_value(), c.windowKept);
        EXPECT_FALSE(prefs.font || prefs.autoUpdate || prefs.verticalForms || prefs.tateChuYoko);
        EXPECT_EQ(prefs.margin, 0);
    }
}

// A colour that is not "#rrggbb" leaves the chosen font in the system's text colour.
TEST(UserPrefs, DamagedColourKeepsTheFont) {
    for (const std::u16string colour : {u"red", u"#12345", u"#1234567", u"#12345g", u"123456"}) {
        const UserPrefs prefs = prefsFromEntries(
            {{"font/face", u"Serif"}, {"font/points", u"12"}, {"font/colour", colour}});
        ASSERT_TRUE(prefs.font);
        EXPECT_FALSE(prefs.font->colour);
    }
}

} // namespace
