#pragma once

#include <QDialog>

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

namespace tovalo::app {
class Form1;
class NumberBox;
class Pane;
} // namespace tovalo::app

namespace tovalo::phone {

class AtMostTwoCharacters;

// The phone dialog: shows the phone pages of the main window's source text and rebuilds
// them whenever the page height, the page width or the rule text changes. Modeless; it
// loads itself from the main window's settings when it is made and is discarded when
// it closes.
class FrmMphone : public QDialog {
    Q_OBJECT
public:
    FrmMphone(app::Form1 &form, platform::Clipboard &clipboard, platform::WindowOrder &windowOrder);

    // Puts pages built elsewhere into the view, as the main window's phone button does.
    void showPages(std::u16string_view pages);

private:
    void createControls();
    void connectHandlers();
    void load();

    void sideBarChanged(QScrollBar *bar, app::NumberBox *box);
    void sideBoxChanged(app::NumberBox *box, QScrollBar *bar);
    void sideBoxLeft(app::NumberBox *box, QScrollBar *bar);
    void separatorChanged();
    void rebuild();
    void countView();
    void copyView();

    app::Form1 &form_;
    platform::Clipboard &clipboard_;
    platform::WindowOrder &windowOrder_;
    // False while the load step runs: the height's scroll bar does not rebuild then.
    bool Ready = false;

    app::Pane *TxtView;
    QPushButton *Command5;
    app::NumberBox *TxtW;
    app::NumberBox *TxtH;
    QScrollBar *ScrH;
    QScrollBar *ScrW;
    QCheckBox *ChkRtn;
    QCheckBox *ChkWin;
    QLineEdit *TxtSep;
    AtMostTwoCharacters *separatorLimit_;
    QLabel *LblNum;
};

} // namespace tovalo::phone
