#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tovalo::ui {

// The range in which a number box's value follows its scroll bar.
struct BoxRange {
    int lower;
    int upper;
};

// Where the whole part of a box's number (the number rounded down) stands against a range.
struct WholePart {
    enum Place {
        NotNumber, // empty or not a number
        Below,
        Within,
        Above,
    };
    Place place;
    int value = 0; // for Within: the whole part itself
};

WholePart placeWholePart(std::u16string_view text, BoxRange range);

// What the change handling of a main-window number box does with the box's new text.
struct BoxStep {
    enum Kind {
        Ignore,      // empty or not a number: nothing at all, not even the closing step
        MoveBar,     // within range: the scroll bar takes barValue
        KeepText,    // above the range: bar and text stay as they are
        RestoreText, // below the range: the text becomes the scroll bar's value
    };
    Kind kind;
    int barValue = 0; // for MoveBar: the number rounded to the nearest, halves to even
};

// Judges a box's text by its whole part.
BoxStep judgeBoxText(std::u16string_view text, BoxRange range);

// The number in a box: blanks around it, an optional sign, digits with an optional
// fraction and exponent; nothing for any other text, the empty text included.
std::optional<double> readNumber(std::u16string_view text);

// A phone page size while the user types: the whole part of a number within the range,
// which the scroll bar takes; nothing for any other text, which waits until the box is
// left, so that "12" can be typed digit by digit.
std::optional<int> sideWhileTyping(std::u16string_view text, BoxRange range);

// A phone page size when the box is left or Enter is pressed: the text that replaces
// one out of range (the nearer end of the range) or one that is no number (`current`,
// the size the scroll bar holds); nothing when the text may stay.
std::optional<std::u16string> sideWhenLeft(std::u16string_view text, BoxRange range, int current);

// The text with the full-width digits, signs, point and blanks that Japanese input
// methods type turned into their ASCII forms: "２０" is "20".
std::u16string asciiNumberText(std::u16string_view text);

} // namespace tovalo::ui
