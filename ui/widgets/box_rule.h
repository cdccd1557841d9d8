#pragma once

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

} // namespace tovalo::ui
