#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tovalo::ui {

// Positions and sizes of the main window's controls, in twips (1/1440 inch), measured
// from the top left of the client area (inside the frame for the frame's controls).
struct ControlRect {
    std::string_view control; // the control's object name
    double left, top, width, height;
};

// Where every control stands when the window opens, outer controls first, then the
// controls inside "FrameR".
std::span<const ControlRect> initialPlacement();
inline constexpr double kClientWidth = 7740;
inline constexpr double kClientHeight = 4860;

enum class Edge { Left, Top, Width, Height };

// One property that the resize layout sets.
struct Placement {
    std::string_view control;
    Edge edge;
    double twips;
    friend bool operator==(const Placement &, const Placement &) = default;
};

// The properties the resize layout sets for a window of the given outer size (borders,
// title and menu bar included), in the order it sets them: the panes share the width,
// grow with the height, and what belongs to the vertical pane moves with it. A width
// or height that would be negative ends the list at that step.
std::vector<Placement> resizeLayout(double windowWidth, double windowHeight);

// The smallest client area, below the menu bar, in which every control stays whole once
// the resize layout has placed them: the parameter frame, which moves with the vertical
// pane, within the width, and the buttons between the panes within the height.
// `borderWidth` is the width the window's frame adds to the client area's.
struct ClientSize {
    double width, height;
};
ClientSize minimumClientSize(double borderWidth);

// Twips to whole pixels at the given dots per inch.
int twipsToPixels(double twips, double dotsPerInch);

} // namespace tovalo::ui
