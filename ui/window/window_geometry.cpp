#include "ui/window/window_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tovalo::ui {
namespace {

constexpr std::array kInitial{
    ControlRect{"BtnPaste", 120, 120, 495, 375},
    ControlRect{"BtnCopy", 720, 120, 495, 375},
    ControlRect{"BtnMail", 1320, 120, 735, 375},
    ControlRect{"ChkAuto", 720, 600, 1092, 252},
    ControlRect{"FrameR", 3960, 0, 3615, 732},
    ControlRect{"ScrMgn", 3960, 720, 1095, 255},
    ControlRect{"ScrWidth", 5040, 720, 1935, 255},
    ControlRect{"ScrHeight", 3720, 960, 252, 1812},
    ControlRect{"TxtOri", 0, 840, 3015, 4095},
    ControlRect{"TxtTate", 3960, 840, 3015, 3975},
    ControlRect{"Command1", 3240, 3120, 612, 612},
    ControlRect{"BtnMphone", 3240, 3840, 615, 615},
    // Inside FrameR.
    ControlRect{"ChkSpc", 120, 120, 1215, 255},
    ControlRect{"ChkWidth", 2760, 120, 735, 300},
    ControlRect{"LblChars", 1920, 166, 615, 255},
    ControlRect{"LblMgn", 120, 360, 492, 252},
    ControlRect{"TxtMgn", 720, 360, 375, 270},
    ControlRect{"LblBody", 1440, 360, 492, 252},
    ControlRect{"TxtH", 1920, 360, 612, 264},
    ControlRect{"TxtWidth", 2880, 360, 495, 270},
};

// Collects placements until one would give a control a negative size.
class Steps {
public:
    void set(std::string_view control, Edge edge, double twips) {
        const bool isSize = edge == Edge::Width || edge == Edge::Height;
        if (stopped_ || (isSize && twips < 0)) {
            stopped_ = true;
            return;
        }
        done_.push_back({control, edge, twips});
    }
    std::vector<Placement> take() { return std::move(done_); }

private:
    std::vector<Placement> done_;
    bool stopped_ = false;
};

const ControlRect &initialRect(std::string_view control) {
    return *std::find_if(kInitial.begin(), kInitial.end(),
                         [&](const ControlRect &r) { return r.control == control; });
}

} // namespace

std::span<const ControlRect> initialPlacement() {
    return kInitial;
}

std::vector<Placement> resizeLayout(double windowWidth, double windowHeight) {
    // The sizes these steps read never change.
    const double cw = initialRect("Command1").width;
    const double sh = initialRect("ScrMgn").height;
    const double paneWidth = (windowWidth - 2 * cw) * 0.5;
    const double paneTop = sh * 4;
    const double paneHeight = windowHeight - sh * 6.5;
    const double tateLeft = cw * 1.8 + paneWidth;
    const double convertLeft = cw * 0.5 + paneWidth;
    const double marginBarWidth = paneWidth * 0.4;

    Steps steps;
    steps.set("TxtOri", Edge::Width, paneWidth);
    steps.set("TxtOri", Edge::Top, paneTop);
    steps.set("TxtOri", Edge::Height, paneHeight);
    steps.set("TxtTate", Edge::Left, tateLeft);
    steps.set("TxtTate", Edge::Width, paneWidth);
    steps.set("TxtTate", Edge::Height, paneHeight);
    steps.set("TxtTate", Edge::Top, paneTop);
    steps.set("Command1", Edge::Left, convertLeft);
    steps.set("BtnMphone", Edge::Left, convertLeft);
    steps.set("ScrMgn", Edge::Left, tateLeft);
    steps.set("ScrMgn", Edge::Width, marginBarWidth);
    steps.set("ScrWidth", Edge::Left, marginBarWidth + tateLeft);
    steps.set("ScrWidth", Edge::Width, paneWidth * 0.6);
    steps.set("FrameR", Edge::Left, tateLeft);
    steps.set("ScrHeight", Edge::Left, tateLeft - initialRect("ScrHeight").width);
    return steps.take();
}

ClientSize minimumClientSize(double borderWidth) {
    // The frame's right edge stands at half the outer width plus 0.8 convert buttons
    // plus the frame's width; the outer width is the client's plus the border.
    const double cw = initialRect("Command1").width;
    const double frameWidth = initialRect("FrameR").width;
    const ControlRect &phone = initialRect("BtnMphone");
    return {1.6 * cw + 2 * frameWidth + borderWidth, phone.top + phone.height};
}

int twipsToPixels(double twips, double dotsPerInch) {
    return static_cast<int>(std::lround(twips * dotsPerInch / 1440.0));
}

} // namespace tovalo::ui
