#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <string_view>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tovalo::platform {
class Clipboard;
class WindowOrder;
} // namespace tovalo::platform

namespace tovalo::engine {
struct Settings;
}

namespace tovalo::ui {

class AtMostTwoCharacters;
class NumberBox;
class Pane;

// The page size the phone button builds with and the dialog opens with.
inline constexpr std::int16_t kPhonePageHeight = 6;
inline constexpr std::int16_t kPhonePageWidth = 8;

// What the phone dialog asks of the window that opens it: the phone pages of its source
// text, `height` rows by `width` cells (one cell less with a line break after every row).
class PhonePageSource {
public:
    virtual std::u16string MpMaker(std::int16_t height, std::int16_t width,
                                   bool lineBreaks) const = 0;

protected:
    ~PhonePageSource() = default;
};

// The phone dialog: shows the phone pages of its owner's source text and rebuilds them
// whenever the page height, the page width or the rule text changes. Modeless; it loads
// itself from the settings when it is made, writes the rule text back into them as it
// changes, and is discarded when it closes.
class FrmMphone : public QDialog {
    Q_OBJECT
public:
    FrmMphone(engine::Settings &settings, const PhonePageSource &pages,
              platform::Clipboard &clipboard, platform::WindowOrder &windowOrder, QWidget *parent);

    // Puts pages built elsewhere into the view, as the main window's phone button does.
    void showPages(std::u16string_view pages);

private:
    void createControls();
    void connectHandlers();
    void load();

    void sideBarChanged(QScrollBar *bar, NumberBox *box);
    void sideBoxChanged(NumberBox *box, QScrollBar *bar);
    void sideBoxLeft(NumberBox *box, QScrollBar *bar);
    void separatorChanged();
    void rebuild();
    void countView();
    void copyView();

    engine::Settings &settings_;
    const PhonePageSource &pages_;
    platform::Clipboard &clipboard_;
    platform::WindowOrder &windowOrder_;
    // False while the load step runs: the height's scroll bar does not rebuild then.
    bool ready_ = false;

    Pane *TxtView;
    QPushButton *Command5;
    NumberBox *TxtW;
    NumberBox *TxtH;
    QScrollBar *ScrH;
    QScrollBar *ScrW;
    QCheckBox *ChkRtn;
    QCheckBox *ChkWin;
    QLineEdit *TxtSep;
    AtMostTwoCharacters *separatorLimit_;
    QLabel *LblNum;
};

} // namespace tovalo::ui
